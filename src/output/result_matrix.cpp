// The read cursor, the safety-factor matrix and the minimum of one grid order.
#include "output/result_matrix.h"

#include <cmath>
#include <utility>

#include "calc/results/slip_result.h"
#include "platform/cp932.h"

namespace selvana {

SafetyFactorMatrixRecord SafetyFactorMatrix;
MinimumResultRecord MinimumResult;
int ResultCursor = 0;
int LastOrder = 0;

namespace {

// Tolerance of equal centre coordinates.
constexpr double kSameCentre = 1e-7;

// The index of key within tolerance, or -1.
int FindKey(const std::vector<double>& keys, double key) {
  for (std::size_t i = 0; i < keys.size(); ++i) {
    if (std::fabs(keys[i] - key) <= kSameCentre) return static_cast<int>(i);
  }
  return -1;
}

int ColumnOf(double x) {
  SafetyFactorMatrixRecord& m = SafetyFactorMatrix;
  const int found = FindKey(m.X, x);
  if (found >= 0) return found;
  m.X.push_back(x);
  m.F.emplace_back(m.RowCount, kCellReset);
  m.R.emplace_back(m.RowCount, 0.0);
  return m.ColumnCount++;
}

int RowOf(double y) {
  SafetyFactorMatrixRecord& m = SafetyFactorMatrix;
  const int found = FindKey(m.Y, y);
  if (found >= 0) return found;
  m.Y.push_back(y);
  for (auto& column : m.F) column.push_back(kCellReset);
  for (auto& column : m.R) column.push_back(0.0);
  return m.RowCount++;
}

}  // namespace

void ResetResultMatrix() {
  SafetyFactorMatrix = SafetyFactorMatrixRecord{};
  MinimumResult = MinimumResultRecord{};
}

void ResetResultOutputState() {
  ResetResultMatrix();
  ResultCursor = 0;
  LastOrder = 0;
}

MatrixCell SafetyFactorCell(double cx, double cy) {
  const int column = ColumnOf(cx);
  return {column, RowOf(cy)};
}

void AddToSafetyFactorMatrix(double cx, double cy, double f, double rr) {
  const MatrixCell at = SafetyFactorCell(cx, cy);
  double& cell = SafetyFactorMatrix.F[at.column][at.row];
  if (f < cell) {
    cell = f;
    SafetyFactorMatrix.R[at.column][at.row] = rr;
  }
}

void SortSafetyFactorRows() {
  SafetyFactorMatrixRecord& m = SafetyFactorMatrix;
  for (int i = 0; i + 1 < m.RowCount; ++i) {
    for (int j = i + 1; j < m.RowCount; ++j) {
      if (m.Y[i] < m.Y[j]) {
        std::swap(m.Y[i], m.Y[j]);
        for (int c = 0; c < m.ColumnCount; ++c) {
          std::swap(m.F[c][i], m.F[c][j]);
          std::swap(m.R[c][i], m.R[c][j]);
        }
      }
    }
  }
}

int SortSafetyFactorMatrix() {
  SafetyFactorMatrixRecord& m = SafetyFactorMatrix;
  for (int i = 0; i + 1 < m.ColumnCount; ++i) {
    for (int j = i + 1; j < m.ColumnCount; ++j) {
      if (m.X[i] > m.X[j]) {
        std::swap(m.X[i], m.X[j]);
        std::swap(m.F[i], m.F[j]);
        std::swap(m.R[i], m.R[j]);
      }
    }
  }
  SortSafetyFactorRows();
  return 0;
}

int NextSlipResult(int order) {
  if (order < 1 || order > kSlipResultOrders) return -1;
  if (ResultCursor >= SlipResultCount[order - 1]) return 1;
  CurrentSlipResult = SlipResultTable[order - 1][ResultCursor++];
  return 0;
}

int HighestOrderWithResults() {
  for (int order = kSlipResultOrders; order >= 1; --order) {
    if (SlipResultCount[order - 1] > 0) return order;
  }
  return 0;
}

std::string ToFullWidthNumber(std::string_view text) {
  static const std::string digits[10] = {ToCp932("０"), ToCp932("１"), ToCp932("２"), ToCp932("３"),
                                         ToCp932("４"), ToCp932("５"), ToCp932("６"), ToCp932("７"),
                                         ToCp932("８"), ToCp932("９")};
  static const std::string point = ToCp932("．"), minus = ToCp932("－"), plus = ToCp932("＋"),
                           blank = ToCp932("　");
  std::string out;
  for (const char c : text) {
    if (c >= '0' && c <= '9')
      out += digits[c - '0'];
    else if (c == '.')
      out += point;
    else if (c == '-')
      out += minus;
    else if (c == '+')
      out += plus;
    else if (c == ' ')
      out += blank;
    else
      out += c;
  }
  return out;
}

}  // namespace selvana
