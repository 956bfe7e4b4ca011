#include "reference/RefTable.h"

#include <stdexcept>

#include "calculation/Numbers.h"

namespace kalteron {

RefTable::RefTable(int maxRow, int maxCol)
    : maxRow_(maxRow),
      maxCol_(maxCol),
      values_(static_cast<std::size_t>((maxRow + 1) * (maxCol + 1))),
      tags_(values_.size()) {}

std::size_t RefTable::indexForSet(int row, int col) const {
  if (!inside(row, col)) throw std::out_of_range("RefTable::set");
  return index(row, col);
}

void RefTable::reserveTexts(std::size_t bytes) { texts_.reserve(bytes); }

void RefTable::set(int row, int col, const Cell& value) {
  if (const auto* s = std::get_if<std::string>(&value)) {
    set(row, col, std::string_view(*s));
  } else if (const auto* i = std::get_if<std::int16_t>(&value)) {
    set(row, col, *i);
  } else if (const auto* d = std::get_if<double>(&value)) {
    set(row, col, *d);
  } else if (const auto* f = std::get_if<float>(&value)) {
    set(row, col, *f);
  } else {
    const std::size_t i = indexForSet(row, col);
    values_[i] = 0;
    tags_[i] = Empty;
  }
}

void RefTable::set(int row, int col, std::string_view text) {
  const std::size_t i = indexForSet(row, col);
  if (texts_.size() + text.size() >= (std::size_t{1} << 29)) throw std::length_error("RefTable::set");
  tags_[i] = Text | static_cast<std::uint32_t>(texts_.size() << 3);
  values_[i] = static_cast<double>(text.size());
  texts_.append(text);
}

void RefTable::set(int row, int col, std::int16_t value) {
  const std::size_t i = indexForSet(row, col);
  values_[i] = value;
  tags_[i] = Int16;
}

void RefTable::set(int row, int col, double value) {
  const std::size_t i = indexForSet(row, col);
  values_[i] = value;
  tags_[i] = Double;
}

void RefTable::set(int row, int col, float value) {
  const std::size_t i = indexForSet(row, col);
  values_[i] = value;
  tags_[i] = Single;
}

Cell RefTable::at(int row, int col) const {
  if (!inside(row, col)) return {};
  const std::size_t i = index(row, col);
  switch (vid(i)) {
    case Text:
      return std::string(view(i));
    case Int16:
      return static_cast<std::int16_t>(values_[i]);
    case Double:
      return values_[i];
    case Single:
      return static_cast<float>(values_[i]);
    case Empty:
      break;
  }
  return {};
}

bool RefTable::empty(int row, int col) const { return !inside(row, col) || vid(index(row, col)) == Empty; }

bool RefTable::isText(int row, int col) const { return inside(row, col) && vid(index(row, col)) == Text; }

std::string RefTable::text(int row, int col) const {
  if (!inside(row, col)) return {};
  const std::size_t i = index(row, col);
  switch (vid(i)) {
    case Text:
      return std::string(view(i));
    case Int16:
      return intToText(static_cast<long long>(values_[i]));
    case Double:
      return doubleToText(values_[i]);
    case Single:
      return singleToText(static_cast<float>(values_[i]));
    case Empty:
      break;
  }
  return {};
}

double RefTable::number(int row, int col) const {
  if (!inside(row, col)) return 0.0;
  const std::size_t i = index(row, col);
  switch (vid(i)) {
    case Text:
      return parseDouble(view(i)).value_or(0.0);
    case Empty:
      return 0.0;
    default:
      return values_[i];
  }
}

bool RefTable::equals(int row, int col, std::string_view name) const {
  if (!inside(row, col)) return name.empty();
  const std::size_t i = index(row, col);
  switch (vid(i)) {
    case Text:
      return view(i) == name;
    case Empty:
      return name.empty();
    default:
      return text(row, col) == name;
  }
}

int RefTable::find(std::string_view name, int keyCol, int lastRow) const {
  const int last = lastRow < 0 || lastRow > maxRow_ ? maxRow_ : lastRow;
  for (int r = 1; r <= last; ++r)
    if (equals(r, keyCol, name)) return r;
  return 0;
}

int RefTable::findSingle(float value, int keyCol, int lastRow) const {
  const int last = lastRow < 0 || lastRow > maxRow_ ? maxRow_ : lastRow;
  for (int r = 1; r <= last; ++r)
    if (single(r, keyCol) == value) return r;
  return 0;
}

}  // namespace kalteron
