// The Bishop circle search: the shared circle walk with the Bishop slice records, iteration
// and store.
#include "calc/circle/bishop_search.h"

#include "calc/circle/bishop_slices.h"
#include "calc/circle/bishop_totals.h"
#include "calc/results/fixed_line.h"
#include "calc/results/result_store.h"
#include "calc/results/slip_result.h"
#include "calc/slicing/walk.h"
#include "model/project_model.h"

namespace selvana {

void BishopCircleMethod::ResetRecord(int order0, double cx, double cy, double R) {
  ResetCircleRecordBishop(order0, cx, cy, R);
}

void BishopCircleMethod::AddSlice(double R, double /*cx: moments need only the centre height*/,
                                  double cy, int b, double xR, double yR, double xL, double yL) {
  AddSliceBishop(run_, R, cy, b, xR, yR, xL, yL, CurrentSlipResult);
}

BishopShares BishopCircleMethod::CompleteSurface() { return CircleTotalsBishop(); }

void BishopCircleMethod::StoreSurface(int order0, const BishopShares& shares,
                                      std::string_view dumpLines) {
  StoreCircleResultBishop(order0 + 1, shares, progress_, dumpLines);
}

void BishopCircleMethod::StartThread() {
  BishopSlices.SetRoom(BishopSliceRoom());
  BishopSlices.ResetDropped();
}

void BishopCircleMethod::EndThread() { droppedOnThreads_ += BishopSlices.Dropped(); }

void BishopCircleMethod::CentreReached(double cx, double cy) {
  if (!progress_.LinesDue()) return;
  char text[1024];  // a stack buffer: nothing is allocated per centre
  progress_.SetLine(4, FormatFixedLine(text, "すべり円  (X,Y)=%7.3f,%7.3f", {cx, cy}));
  progress_.Repaint();
}

int SearchCirclesBishop(CalcProgress& progress) {
  if (!SliceWidthUsable()) return 0;
  BishopSlices.SetRoom(BishopSliceRoom());
  BishopSlices.ResetDropped();
  BishopCircleMethod method(progress);
  const int result = SearchCircles(BishopCircleSettings, method, progress);
  BishopSlices.AddDropped(method.DroppedOnThreads());
  return result;
}

}  // namespace selvana
