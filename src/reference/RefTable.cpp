#include "reference/RefTable.h"

#include <stdexcept>

#include "calculation/Numbers.h"

namespace kalteron {

namespace {
const Cell kEmpty{};
}

RefTable::RefTable(int maxRow, int maxCol)
    : maxRow_(maxRow), maxCol_(maxCol), cells_(static_cast<std::size_t>((maxRow + 1) * (maxCol + 1))) {}

void RefTable::set(int row, int col, Cell value) {
  if (row < 0 || row > maxRow_ || col < 0 || col > maxCol_) throw std::out_of_range("RefTable::set");
  cells_[static_cast<std::size_t>(row * (maxCol_ + 1) + col)] = std::move(value);
}

const Cell& RefTable::at(int row, int col) const {
  if (row < 0 || row > maxRow_ || col < 0 || col > maxCol_) return kEmpty;
  return cells_[static_cast<std::size_t>(row * (maxCol_ + 1) + col)];
}

std::string RefTable::text(int row, int col) const {
  const Cell& c = at(row, col);
  if (const auto* s = std::get_if<std::string>(&c)) return *s;
  if (const auto* i = std::get_if<std::int16_t>(&c)) return intToText(*i);
  if (const auto* d = std::get_if<double>(&c)) return doubleToText(*d);
  if (const auto* f = std::get_if<float>(&c)) return singleToText(*f);
  return {};
}

double RefTable::number(int row, int col) const {
  const Cell& c = at(row, col);
  if (const auto* s = std::get_if<std::string>(&c)) return parseDouble(*s).value_or(0.0);
  if (const auto* i = std::get_if<std::int16_t>(&c)) return *i;
  if (const auto* d = std::get_if<double>(&c)) return *d;
  if (const auto* f = std::get_if<float>(&c)) return static_cast<double>(*f);
  return 0.0;
}

int RefTable::find(const std::string& name, int keyCol, int lastRow) const {
  const int last = lastRow < 0 || lastRow > maxRow_ ? maxRow_ : lastRow;
  for (int r = 1; r <= last; ++r) {
    const Cell& c = at(r, keyCol);
    if (const auto* s = std::get_if<std::string>(&c)) {
      if (*s == name) return r;
    } else if (std::holds_alternative<std::monostate>(c)) {
      if (name.empty()) return r;
    } else if (text(r, keyCol) == name) {
      return r;
    }
  }
  return 0;
}

int RefTable::findSingle(float value, int keyCol, int lastRow) const {
  const int last = lastRow < 0 || lastRow > maxRow_ ? maxRow_ : lastRow;
  for (int r = 1; r <= last; ++r)
    if (single(r, keyCol) == value) return r;
  return 0;
}

}  // namespace kalteron
