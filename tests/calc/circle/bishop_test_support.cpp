// The one-circle helpers of the Bishop tests.
#include "calc/circle/bishop_test_support.h"

#include "calc/circle/bishop_search.h"
#include "calc/circle/bishop_slices.h"
#include "calc/circle/fellenius_search.h"
#include "calc/progress/headless.h"
#include "calc/run_data.h"
#include "calc/slicing/breaks.h"
#include "calc/slicing/polygons.h"
#include "calc/test_model_builder.h"
#include "model/project_model.h"

namespace selvana::test {

void SetSingleBishopCircle(double cx, double cy, double R) {
  SetOneCircleGrid(BishopCircleSettings, cx, cy, R);
}

namespace {

int Evaluate(CircleMethod& method, double cx, double cy, double R) {
  BuildBlockPolygons();
  BuildSliceBreaksX(cx);
  RunData.SearchGrid.PointX = cx;
  RunData.SearchGrid.PointY = cy;
  ClearSlipResults(1);
  ResetMinSlip();
  EvaluateCircle(0, cx, cy, R, method);
  return SlipResultCount[0];
}

}  // namespace

int EvaluateBishopCircle(double cx, double cy, double R) {
  BishopSlices.SetRoom(BishopSliceRoom());
  HeadlessProgress progress;
  BishopCircleMethod method(progress);
  return Evaluate(method, cx, cy, R);
}

int EvaluateFelleniusCircle(double cx, double cy, double R) {
  HeadlessProgress progress;
  FelleniusCircleMethod method(progress);
  return Evaluate(method, cx, cy, R);
}

}  // namespace selvana::test
