// The rules behind the result-dependent menu items.
#include "mainwin/drawing_menus.h"

#include <cmath>

#include "platform/number_format.h"

namespace selvana {
namespace {

DrawingMenus* installedMenus = nullptr;

// The display switches on before a calculation and off after it (automatic switching).
constexpr int kOnWithoutResults[] = {kShowGrid,           kShowAutoSwitch,   kShowPointNames,
                                     kShowBoundaryLines,  kShowUncutLines,   kShowArcLimitLines,
                                     kShowArcLimitPoints, kShowBlockMarkers, kShowCircleCentres,
                                     kShowCohesionLine,   kShowSheetPile,    kShowResidualWater};
constexpr int kOffWithResults[] = {kShowGrid,          kShowPointNames,     kShowUncutLines,
                                   kShowArcLimitLines, kShowArcLimitPoints, kShowCohesionLine,
                                   kShowResidualWater};

void LoadSwitchPreset(int fill, const int* exceptions, int count) {
  DisplaySwitches.fill(fill);
  for (int i = 0; i < count; ++i) DisplaySwitches[exceptions[i]] = 1 - fill;
}

void SetResultItems(int results, DrawingMenuState& state) {
  if (results != 0 && results != 1) return;
  state.SetsResultItems = true;
  state.KekkaEnabled = state.MZmnDrawVisible = (results == 1);
  if (DisplaySwitches[kShowAutoSwitch] != 1) return;
  if (results == 0) {
    LoadSwitchPreset(0, kOnWithoutResults, std::size(kOnWithoutResults));
  } else {
    LoadSwitchPreset(1, kOffWithResults, std::size(kOffWithResults));
  }
}

void SetSurchargeItems(DrawingMenuState& state) {
  const SurchargeRecord& s = cm.Surcharges;
  bool anyLoad = false;
  for (int i = 0; i < kSurchargeCount; ++i) {
    const double atMin = s.LoadAtXMin[i];
    const double atMax = s.LoadAtXMax[i];
    const SurchargeLabelEnds ends = LabelledSurchargeEnds(i);
    const char* leftFormat = ends.uniform ? "(%dB)%8.3f" : "(%dL)%8.3f";  // B: both ends
    state.K[2 * i] = {StrFormat(leftFormat, i + 1, atMin), ends.left};
    state.K[2 * i + 1] = {StrFormat("(%dR)%8.3f", i + 1, atMax), ends.right};
    if (!(atMin < 0.001 && atMax < 0.0001)) anyLoad = true;
  }
  DropLabelsOfUnloadedEnds();
  state.KajuVisible = anyLoad;
}

void SetForceItems(DrawingMenuState& state) {
  bool anyForce = false;
  for (int i = 0; i < kForceCount; ++i) {
    const double h = cm.HorizontalForces.H[i];
    state.G[i] = {StrFormat("(%d)%8.3f", i + 1, h), h >= 0.0001};
    if (!(h < 0.001)) anyForce = true;
  }
  state.GairyokuVisible = anyForce;
}

void SetPressureItems(DrawingMenuState& state) {
  const SheetPileSettingsRecord& pile = SheetPileSettings;
  for (int k = 0; k < kMaxPileRows; ++k) {
    const double q = pile.Intensity[k];
    bool shown = k < pile.RowCount;
    // A row without pressure, or repeating the row above, gets no label of its own.
    if (shown && (q < 0.0001 || (k >= 1 && std::fabs(q - pile.Intensity[k - 1]) < 0.0001))) {
      shown = false;
    }
    state.Y[k] = {StrFormat("%8.3f", q), shown};
  }
  state.YTVisible = pile.RowCount != 0;
}

}  // namespace

DrawingMenus* InstallDrawingMenus(DrawingMenus* menus) {
  DrawingMenus* previous = installedMenus;
  installedMenus = menus;
  return previous;
}

DrawingMenuState ComputeDrawingMenus(int results) {
  DrawingMenuState state;
  SetResultItems(results, state);
  SetSurchargeItems(state);
  SetForceItems(state);
  SetPressureItems(state);
  return state;
}

int UpdateDrawingMenus(int results) {
  const DrawingMenuState state = ComputeDrawingMenus(results);
  if (installedMenus) installedMenus->ApplyDrawingMenus(state);
  return 0;
}

}  // namespace selvana
