// The single instances of the project records and the defaults of a new project.
#include "model/project_model.h"

#include <algorithm>
#include <cmath>

#include "model/reset_hooks.h"

namespace selvana {

CalcConditions cm;
CircleSearchSettings FelleniusCircleSettings;
CircleSearchSettings BishopCircleSettings;
StraightSlipSettingsRecord StraightSlipSettings;
SheetPileSettingsRecord SheetPileSettings;
PartialFactorsRecord PartialFactors;
std::array<PointRecord, kMaxPoints> PointTable;
int PointCount = 0;
std::array<LineRecord, kMaxLines> LineTable;
int LineCount = 0;
std::array<BlockRecord, kMaxBlocks> BlockTable;
int BlockCount = 0;
DrawSettingsRecord DrawSettings;
std::array<int, kDisplaySwitchCount> DisplaySwitches{};
GridSpacingRecord GridSpacing;
double ParallelLineDistance = 1.0;
int DataModified = -1;
int CalcStatus = 0;
ProjectResetHooks ResetHooks;

std::array<int, 8> DrawSettingsRecord::ShownDecimals() const {
  std::array<int, 8> shown = Decimals;
  for (int& n : shown) n = std::min(n, kMaxShownDecimals);
  return shown;
}

namespace {

void ResetCalcConditions() {
  cm = CalcConditions{};  // the record's initialisers are the new-project values
}

void ResetCircleSettings(CircleSearchSettings& s) {
  s = CircleSearchSettings{};
  s.CentreX = {0.0, 0.0, 1.0, 0.0};
  s.CentreY = {0.0, 0.0, 1.0, 0.0};
  s.Radius = {1.0, 100.0, 1.0, 0.0};
}

void ResetStraightSlipSettings() {
  StraightSlipSettings = StraightSlipSettingsRecord{};
  StraightSlipSettings.Range = {1.0, 1.0, 1.0, 0.0};
}

void ResetPartialFactors() {
  PartialFactors.Enabled = 0;
  PartialFactors.Factor.fill(1.0);
}

void ResetTables() {
  PointTable.fill(PointRecord{});
  LineTable.fill(LineRecord{});
  BlockTable.fill(BlockRecord{});
}

// Everything of DrawSettings except the sheet-pile labels, which go with the pile.
void ResetDrawSettings() {
  auto& d = DrawSettings;
  d.PaperSize = 3;
  d.ScaleDenominator = 100.0;
  d.Sizes.fill(4.0);
  d.FrameCentreX = d.FrameCentreY = 0.0;
  d.ViewMinX = d.ViewMinY = d.ViewMaxX = d.ViewMaxY = 0.0;
  d.DrawTitle = 1;
  d.TitlePosX = d.TitlePosY = 0.0;
  for (int i = 0; i < kSurchargeCount; ++i) {
    d.SurchargeLabelLeft[i] = 1;
    d.SurchargeLabelRight[i] = 1;
    d.SurchargeLeftX[i] = d.SurchargeLeftY[i] = 0.0;
    d.SurchargeRightX[i] = d.SurchargeRightY[i] = 0.0;
  }
  for (int i = 0; i < kForceCount; ++i) {
    d.ForceLabelPlace[i] = 1;
    d.ForceLabelX[i] = d.ForceLabelY[i] = 0.0;
  }
  d.DrawOrder = {1, -1, -1, -1};
  d.Decimals = {3, 3, 3, 0, 3, 3, 3, 3};
  d.DrawZeroCPhi = 1;
}

void ResetDisplay() {
  DisplaySwitches.fill(0);
  for (int i = 0; i <= 9; ++i) DisplaySwitches[i] = 1;
  DisplaySwitches[kShowResidualWater] = 1;
  GridSpacing = GridSpacingRecord{};
}

template <typename Table, typename IsFree>
int FindFreeSlot(const Table& table, int count, int capacity, IsFree isFree) {
  for (int i = 0; i < count; ++i) {
    if (isFree(table[i])) return i;
  }
  return count < capacity ? count : -1;
}

}  // namespace

void ResetSheetPile() {
  SheetPileSettings = SheetPileSettingsRecord{};
  DrawSettings.PileLabelX.fill(0.0);
  DrawSettings.PileLabelY.fill(0.0);
  DrawSettings.PileLabelMode.fill(-1);
}

SurchargeLabelEnds LabelledSurchargeEnds(int i) {
  const double atMin = cm.Surcharges.LoadAtXMin[i];
  const double atMax = cm.Surcharges.LoadAtXMax[i];
  SurchargeLabelEnds ends;
  ends.uniform = atMin > 1e-5 && std::fabs(atMin - atMax) < 1e-5;
  ends.left = atMin >= 0.0001 || ends.uniform;
  ends.right = atMax >= 0.0001 && !ends.uniform;
  return ends;
}

void DropLabelsOfUnloadedEnds() {
  for (int i = 0; i < kSurchargeCount; ++i) {
    const SurchargeLabelEnds ends = LabelledSurchargeEnds(i);
    if (!ends.left) DrawSettings.SurchargeLabelLeft[i] = -1;
    if (!ends.right) DrawSettings.SurchargeLabelRight[i] = -1;
  }
}

CircleSearchSettings& CircleSettingsFor(int methodCode) {
  return methodCode >= kMethodBishop ? BishopCircleSettings : FelleniusCircleSettings;
}

void ResetProjectRecords() {
  ResetCalcConditions();
  ResetCircleSettings(FelleniusCircleSettings);
  ResetCircleSettings(BishopCircleSettings);
  ResetStraightSlipSettings();
  ResetSheetPile();
  ResetPartialFactors();
  ResetTables();
  ResetDrawSettings();
  DropLabelsOfUnloadedEnds();  // no surcharge has a load yet: every load label is off
  PointCount = LineCount = BlockCount = 0;
}

int ResetProjectData() {
  DataModified = -1;
  if (ResetHooks.ResetMouseMode) ResetHooks.ResetMouseMode();
  ResetProjectRecords();
  ResetDisplay();
  if (ResetHooks.ResetViewState) ResetHooks.ResetViewState();
  if (ResetHooks.ResetSlidingSenses) ResetHooks.ResetSlidingSenses();
  CalcStatus = 0;
  ParallelLineDistance = 1.0;
  if (ResetHooks.SaveModelSnapshot) ResetHooks.SaveModelSnapshot();
  if (ResetHooks.UpdateDrawingMenus) ResetHooks.UpdateDrawingMenus(0);
  return 0;
}

bool IsPointInUse(int slot) { return slot >= 0 && slot < kMaxPoints && PointTable[slot].Id >= 0; }

int FindFreePointSlot() {
  return FindFreeSlot(PointTable, PointCount, kMaxPoints,
                      [](const PointRecord& p) { return p.Id < 0; });
}

int FindFreeLineSlot() {
  // Kind 0 is not a kind the system writes, but a slot holding it counts as occupied.
  return FindFreeSlot(LineTable, LineCount, kMaxLines,
                      [](const LineRecord& l) { return l.Kind < 0 || l.Kind > 7; });
}

int FindFreeBlockSlot() {
  return FindFreeSlot(BlockTable, BlockCount, kMaxBlocks,
                      [](const BlockRecord& b) { return b.Number < 0; });
}

int UsedBlockSlots() { return std::clamp(BlockCount, 0, kMaxBlocks); }

void MarkModified(bool affectsResults) {
  DataModified = 1;
  if (affectsResults) CalcStatus = 0;
}

}  // namespace selvana
