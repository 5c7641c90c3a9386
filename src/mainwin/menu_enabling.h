// The three settings items whose enabling the main window refreshes at every paint: the sheet
// pile belongs to the Fellenius methods, the cohesion line table to a cohesion reference given as
// a line, and placing circle centres by mouse to the circle methods.
#pragma once

namespace selvana {

struct PaintMenuEnabling {
  bool Yaita = false;   // "矢板設定(&Y)": cm.kt 0 or 1
  bool Nen = false;     // "粘着力基準線設定(&N)": CohesionRefMode 1
  bool CenSet = false;  // "すべり円中心－マウス(&M)": cm.kt neither 3 nor 5
};

PaintMenuEnabling ComputePaintMenuEnabling();

}  // namespace selvana
