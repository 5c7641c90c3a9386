// A table editor's grid kept in memory, for the table rules without windows: cells by column
// and grid row, empty until written.
#pragma once
#include <map>
#include <string>
#include <utility>

#include "forms/table_grid.h"

namespace selvana::test {

class MemoryGrid : public TableGrid {
 public:
  std::string Cell(int col, int row) const override {
    const auto it = cells_.find({col, row});
    return it == cells_.end() ? std::string() : it->second;
  }
  // Writes the texts into columns 1, 2, ... of a grid row.
  MemoryGrid& Row(int row, std::initializer_list<const char*> texts) {
    int col = 1;
    for (const char* text : texts) SetCell(col++, row, text);
    return *this;
  }

 protected:
  void WriteCell(int col, int row, const std::string& text) override { cells_[{col, row}] = text; }

 private:
  std::map<std::pair<int, int>, std::string> cells_;
};

}  // namespace selvana::test
