// Figure layout tests: layouts written as text in paper millimetres (texts in UTF-8) for golden
// files, and a fixture with an A4 frame at 1:100 whose lower left corner is model (0, 0), so that
// paper millimetres are model metres times ten.
#pragma once
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "model/project_model.h"
#include "view/figure/figure_layout.h"

namespace selvana::test {

// One line per item, e.g. "line 0.000 0.000 0.000 180.000", "text 10.000 5.000 h3.000 a3 \"5\"".
std::string DumpLayout(const FigureLayout& layout);

// Points the frame at paper size 1 (A4), the given scale and its lower left corner at (0, 0).
void UseA4Frame(double scaleDenominator);

class FigureFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  // UseA4Frame, for the tests of the fixture.
  static void UseA4(double scaleDenominator);
  // A used point slot and a boundary line between two slots.
  static void Point(int slot, double x, double y);
  static void Boundary(int slot, int p1, int p2);
  // A used block slot with its seed point and kind.
  static BlockRecord& Block(int slot, double seedX, double seedY, int kind = 0);
  // A closed chain of boundary lines through the listed point slots, from line slot firstLine.
  static void Outline(int firstLine, std::initializer_list<int> points);
};

}  // namespace selvana::test
