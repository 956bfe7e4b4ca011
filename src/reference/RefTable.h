// A reference table of the catalogue: a grid of tagged cells addressed as
// (row, column), rows and columns of data counted from 1. A cell keeps the
// kind it was stored with: empty, a text, a 16-bit integer, a double or a
// single-precision number.
#pragma once

#include <cstdint>
#include <string>
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

  void set(int row, int col, Cell value);
  const Cell& at(int row, int col) const;

  // The cell as text: an empty cell is "", numbers by the standard
  // number-to-text conversion ("32", "0,1").
  std::string text(int row, int col) const;
  // The cell as a number: an empty cell is 0, a text is parsed by the
  // Russian number rules (0 when it is not a number).
  double number(int row, int col) const;
  float single(int row, int col) const { return static_cast<float>(number(row, col)); }

  // The first row in 1..lastRow (default: every row) whose key column equals
  // `name` exactly; 0 when no row does. An empty cell equals "".
  int find(const std::string& name, int keyCol = 1, int lastRow = -1) const;
  // The first row in 1..lastRow whose key column, read as a single-precision
  // number, equals `value` exactly; 0 when no row does.
  int findSingle(float value, int keyCol, int lastRow) const;

 private:
  int maxRow_ = 0;
  int maxCol_ = 0;
  std::vector<Cell> cells_;
};

}  // namespace kalteron
