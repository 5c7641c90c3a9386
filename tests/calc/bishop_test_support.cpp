// The one-circle helpers of the Bishop tests.
#include "bishop_test_support.h"

#include "calc/bishop_search.h"
#include "calc/bishop_slices.h"
#include "calc/fellenius_search.h"
#include "calc/progress_headless.h"
#include "calc/run_data.h"
#include "calc/slicing_breaks.h"
#include "calc/slicing_polygons.h"
#include "model/project_model.h"

namespace selvana::test {

void SetSingleBishopCircle(double cx, double cy, double R) {
  CircleSearchSettings& c = BishopCircleSettings;
  c.CentreX = {cx, cx, 1.0, 0.0};
  c.CentreY = {cy, cy, 1.0, 0.0};
  c.Radius = {R, R, 1.0, 0.0};
  c.HighestGridOrder = 1;
  c.ExtendFirstGrid = 2;
}

namespace {

int Evaluate(CircleMethod& method, double cx, double cy, double R) {
  BuildBlockPolygons();
  BuildSliceBreaksX(cx);
  SearchGrid.PointX = cx;
  SearchGrid.PointY = cy;
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
