// A reference table of the catalogue: a grid of tagged cells addressed as
// (row, column), rows and columns of data counted from 1. A cell keeps the
// kind it was stored with: empty, a text, a 16-bit integer, a double or a
// single-precision number.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace kalteron {

using Cell = std::variant<std::monostate, std::string, std::int16_t, double, float>;

class RefTable {
 public:
  RefTable() = default;
  // A table with rows 0..maxRow and columns 0..maxCol, all cells empty.
  RefTable(int maxRow, int maxCol);

  int maxRow() const { return maxRow_; }
  int maxCol() const { return maxCol_; }

  // Stores a cell; outside the bounds throws std::out_of_range.
  void set(int row, int col, const Cell& value);
  void set(int row, int col, std::string_view text);
  void set(int row, int col, const char* text) { set(row, col, std::string_view(text)); }
  void set(int row, int col, std::int16_t value);
  void set(int row, int col, double value);
  void set(int row, int col, float value);

  // Room for this many bytes of cell texts, to fill the table in one go.
  void reserveTexts(std::size_t bytes);

  // The cell as stored; outside the bounds an empty cell.
  Cell at(int row, int col) const;
  bool empty(int row, int col) const;
  bool isText(int row, int col) const;

  // The cell as text: an empty cell is "", numbers by the standard
  // number-to-text conversion ("32", "0,1").
  std::string text(int row, int col) const;
  // The cell as a number: an empty cell is 0, a text is read by the Russian
  // number rules (0 when it is not a number).
  double number(int row, int col) const;
  float single(int row, int col) const { return static_cast<float>(number(row, col)); }

  // Whether the cell equals `name` compared as texts (an empty cell equals "").
  bool equals(int row, int col, std::string_view name) const;

  // The first row in 1..lastRow (default: every row) whose key column equals
  // `name` exactly; 0 when no row does. An empty cell equals "".
  int find(std::string_view name, int keyCol = 1, int lastRow = -1) const;
  // The first row in 1..lastRow whose key column, read as a single-precision
  // number, equals `value` exactly; 0 when no row does.
  int findSingle(float value, int keyCol, int lastRow) const;

 private:
  enum Vid : std::uint32_t { Empty = 0, Text = 1, Int16 = 2, Double = 3, Single = 4 };
  // Each cell is a value and a tag: the kind in the low 3 bits and, for a
  // text, the offset of its characters in `texts_` above them; a text cell
  // keeps its length as its value. Two flat arrays keep the tables small.
  static constexpr std::uint32_t kVidMask = 7;

  std::size_t index(int row, int col) const {
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(maxCol_ + 1) + static_cast<std::size_t>(col);
  }
  bool inside(int row, int col) const { return row >= 0 && row <= maxRow_ && col >= 0 && col <= maxCol_; }
  std::size_t indexForSet(int row, int col) const;
  Vid vid(std::size_t i) const { return static_cast<Vid>(tags_[i] & kVidMask); }
  std::string_view view(std::size_t i) const {
    return std::string_view(texts_).substr(tags_[i] >> 3, static_cast<std::size_t>(values_[i]));
  }

  int maxRow_ = 0;
  int maxCol_ = 0;
  std::vector<double> values_;
  std::vector<std::uint32_t> tags_;
  std::string texts_;
};

}  // namespace kalteron
