// Placing the annotations of the calculation figure with the mouse. A label placed outside the
// drawing area of the frame keeps its position but is switched off (flag -1).
#include "editing/annotation_steps.h"

#include <algorithm>

#include "calc/results/consolidation.h"
#include "editing/edit_picking.h"
#include "editing/mouse_editor.h"
#include "editing/mouse_modes.h"
#include "model/project_model.h"
#include "view/figure/slip_layout.h"
#include "view/figure_frame.h"
#include "view/figure_layers.h"
#include "view/redraw_view.h"

namespace selvana {
namespace {

// Inside the area between the ruler bands and below the title band, its edges included.
bool InsideFrame(const ModelClick& c) {
  ComputeFigureFrame();
  const FigureFrameRecord& f = FigureFrame;
  return c.X >= f.BandLeft && c.X <= f.BandRight && c.Y >= f.BandBottom && c.Y <= f.BandTop;
}

// The flag of a label placed at the click.
int FlagAt(const ModelClick& c, int drawn) { return InsideFrame(c) ? drawn : -1; }

// A placement of project data: marks the project changed (results stay valid) and redraws.
void PlacementDone() {
  DataModified = 1;
  RedrawView(kRedrawModel);
}

bool IsBlockSlot(int i) { return i >= 0 && i < kMaxBlocks && BlockTable[i].Number >= 0; }

bool IsCircleEntry(int i) { return i >= 0 && i < std::min(CircleListCount, kMaxCircleListEntries); }

}  // namespace

LabelTarget SurchargeLabelTarget(int mode) {
  const int n = mode - 1400;
  return {n / 2, n % 2 + 1};
}

LabelTarget ForceLabelTarget(int mode) {
  const int n = mode - 1500;
  return {n / 3, n % 3 + 1};
}

void DrawLabelTarget(int mode) {
  if (mode >= 1400 && mode <= 1405) {
    const LabelTarget t = SurchargeLabelTarget(mode);
    DrawSurchargeLoad(t.Index, t.Place, kYellow);
  } else if (mode >= 1500 && mode <= 1508) {
    DrawHorizontalForce(ForceLabelTarget(mode).Index, kYellow);
  } else if (mode >= 3000 && mode < 3000 + kMaxPileRows) {
    DrawSheetPilePressureLabel(mode - 3000, kYellow);
  }
}

void PlaceFrameAt(MouseEditor&, int x, int y) {
  const ModelClick c = ClickToModel(x, y);
  DrawSettings.FrameCentreX = c.X;
  DrawSettings.FrameCentreY = c.Y;
  PlacementDone();
}

void PlaceTitleAt(MouseEditor&, int x, int y) {
  const ModelClick c = ClickToModel(x, y);
  DrawSettings.TitlePosX = c.X;
  DrawSettings.TitlePosY = c.Y;
  DrawSettings.DrawTitle = FlagAt(c, 1);
  PlacementDone();
}

void SetLineDrawFlag(MouseEditor&, int x, int y) {
  const int line = NearestLine(ClickToModel(x, y), kLineBoundary);
  if (line < 0) return;
  LineTable[line].DrawFlag = MouseState.MouseMode == 1200 ? 1 : -1;
  PlacementDone();
}

void PickSoilLabelBlock(MouseEditor& editor, int x, int y) {
  const int block = NearestBlock(ClickToModel(x, y));
  if (block < 0) return;
  MouseState.SelectedIndex = block;
  HighlightBlock(block);
  editor.Prompt("土質条件を配置する位置をマウス(左)で指定してください。マウス(右)：取り消し");
  MouseState.MouseMode += 1;
}

void PlaceSoilLabelAt(MouseEditor&, int x, int y) {
  const int block = MouseState.SelectedIndex;
  if (!IsBlockSlot(block)) return;
  const ModelClick c = ClickToModel(x, y);
  BlockRecord& b = BlockTable[block];
  b.SoilLabelX = c.X;
  b.SoilLabelY = c.Y;
  const bool water = b.Kind == kBlockPressureWater || b.Kind == kBlockWeightWater;
  const int mode = water ? 3 : (MouseState.MouseMode == 1301 ? 1 : 2);
  b.SoilLabelMode = FlagAt(c, mode);
  PlacementDone();
  HighlightBlock(block);
}

void RestartSoilLabel(MouseEditor& editor, int, int) {
  const int mode = MouseState.MouseMode - 1;
  MouseState.MouseMode = mode;
  editor.Prompt(CommandPrompt(mode));
  RedrawView(kRedrawModel);
}

void PlaceSurchargeLabelAt(MouseEditor&, int x, int y) {
  const LabelTarget t = SurchargeLabelTarget(MouseState.MouseMode);
  const ModelClick c = ClickToModel(x, y);
  DrawSettingsRecord& d = DrawSettings;
  if (t.Place == 1) {
    d.SurchargeLeftX[t.Index] = c.X;
    d.SurchargeLeftY[t.Index] = c.Y;
    d.SurchargeLabelLeft[t.Index] = FlagAt(c, 1);
  } else {
    d.SurchargeRightX[t.Index] = c.X;
    d.SurchargeRightY[t.Index] = c.Y;
    d.SurchargeLabelRight[t.Index] = FlagAt(c, 2);
  }
  PlacementDone();
  DrawSurchargeLoad(t.Index, t.Place, kYellow);
}

void PlaceForceLabelAt(MouseEditor&, int x, int y) {
  const LabelTarget t = ForceLabelTarget(MouseState.MouseMode);
  const ModelClick c = ClickToModel(x, y);
  DrawSettings.ForceLabelX[t.Index] = c.X;
  DrawSettings.ForceLabelY[t.Index] = c.Y;
  DrawSettings.ForceLabelPlace[t.Index] = FlagAt(c, t.Place);
  PlacementDone();
  DrawHorizontalForce(t.Index, kYellow);
}

void PlacePileLabelAt(MouseEditor&, int x, int y) {
  const int row = MouseState.MouseMode - 3000;
  if (row < 0 || row >= kMaxPileRows) return;
  const ModelClick c = ClickToModel(x, y);
  DrawSettings.PileLabelX[row] = c.X;
  DrawSettings.PileLabelY[row] = c.Y;
  DrawSettings.PileLabelMode[row] = FlagAt(c, 1);
  PlacementDone();
  DrawSheetPilePressureLabel(row, kYellow);
}

void HighlightSafetyLabelCentre(int entry) {
  if (!IsCircleEntry(entry)) return;
  DrawCentreSafetyFactor(entry, kYellow);
  SetSlipGeometry(entry);
  DrawCriticalCircle(kYellow);
}

// The circle list is rebuilt from the results and not saved: its changes leave the project
// unmodified.
void PickSafetyLabelCentre(MouseEditor& editor, int x, int y) {
  const int entry = NearestCircleCentre(ClickToModel(x, y));
  if (entry < 0) return;
  MouseState.SelectedIndex = entry;
  HighlightSafetyLabelCentre(entry);
  editor.Prompt("安全率(数値)を配置する位置をマウス(左)で指定してください。マウス(右)：取り消し");
  MouseState.MouseMode = 1601;
}

void PlaceSafetyLabelAt(MouseEditor&, int x, int y) {
  const int entry = MouseState.SelectedIndex;
  if (!IsCircleEntry(entry)) return;
  const ModelClick c = ClickToModel(x, y);
  CircleList[entry].LabelX = c.X;
  CircleList[entry].LabelY = c.Y;
  CircleList[entry].LabelFlag = FlagAt(c, 1);
  RedrawView(kRedrawModel);
  HighlightSafetyLabelCentre(entry);
}

void RestartSafetyLabel(MouseEditor& editor, int, int) {
  MouseState.MouseMode = 1600;
  editor.Prompt(CommandPrompt(1600));
  RedrawView(kRedrawModel);
}

void ToggleSlipCircleAt(MouseEditor& editor, int x, int y) {
  const int entry = NearestCircleCentre(ClickToModel(x, y));
  if (entry < 0) return;
  CircleList[entry].DrawMark = 1 - CircleList[entry].DrawMark;
  editor.Prompt(CommandPrompt(1610));
  RedrawView(kRedrawModel);
}

}  // namespace selvana
