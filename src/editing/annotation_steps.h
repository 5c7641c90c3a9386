// The step handlers that arrange the calculation figure (modes 1000 to 1610 and 3000 to 3063):
// the frame's centre, the title, which boundary lines are drawn, the soil label of a block, the
// labels of the loads, forces and sheet-pile pressure rows, the safety-factor label of a circle
// centre and whether its circle is drawn. They change placement only, never the results. Each
// takes the click in screen pixels.
#pragma once

namespace selvana {

class MouseEditor;

void PlaceFrameAt(MouseEditor& editor, int x, int y);        // 1000
void PlaceTitleAt(MouseEditor& editor, int x, int y);        // 1100
void SetLineDrawFlag(MouseEditor& editor, int x, int y);     // 1200 drawn, 1201 not drawn
void PickSoilLabelBlock(MouseEditor& editor, int x, int y);  // 1300 vertical, 1310 horizontal
void PlaceSoilLabelAt(MouseEditor& editor, int x, int y);    // 1301, 1311
void RestartSoilLabel(MouseEditor& editor, int x, int y);
void PlaceSurchargeLabelAt(MouseEditor& editor, int x, int y);  // 1400-1405
void PlaceForceLabelAt(MouseEditor& editor, int x, int y);      // 1500-1508
void PlacePileLabelAt(MouseEditor& editor, int x, int y);       // 3000-3063
void PickSafetyLabelCentre(MouseEditor& editor, int x, int y);  // 1600
void PlaceSafetyLabelAt(MouseEditor& editor, int x, int y);     // 1601
void RestartSafetyLabel(MouseEditor& editor, int x, int y);
void ToggleSlipCircleAt(MouseEditor& editor, int x, int y);  // 1610

// The picked centre of mode 1601 in yellow: its safety factor and its circle.
void HighlightSafetyLabelCentre(int entry);

// What a label mode places, drawn in yellow as its command is chosen: the load side, the force
// or the sheet-pile row.
void DrawLabelTarget(int mode);

// The load and side of a surcharge label mode (1400-1405), the force and place of a force label
// mode (1500-1508).
struct LabelTarget {
  int Index;
  int Place;  // surcharge: 1 left, 2 right; force: 1 above, 2 below (middle), 3 behind
};
LabelTarget SurchargeLabelTarget(int mode);
LabelTarget ForceLabelTarget(int mode);

}  // namespace selvana
