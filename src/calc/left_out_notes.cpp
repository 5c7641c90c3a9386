// The verdict's lines on sand piles and a sheet pile the run leaves out.
#include "calc/left_out_notes.h"

#include "calc/sheet_pile_check.h"
#include "model/project_model.h"

namespace selvana {
namespace {

bool ModelHasSandPiles() {
  for (int b = 0; b < BlockCount; ++b) {
    if (BlockTable[b].Number >= 0 && BlockTable[b].SandPile != 0) return true;
  }
  return false;
}

bool MethodUsesSandPiles(int method) {
  return method != kMethodBishop && method != kMethodModifiedBishop;
}

}  // namespace

void NoteLeftOutFeatures(VerdictNotes& notes) {
  if (ModelHasSandPiles() && (PartialFactors.Enabled != 0 || !MethodUsesSandPiles(cm.kt))) {
    notes.lines.push_back("※ 砂杭はこの計算では考慮していません。");
  }
  if (SheetPileModeSet(SheetPileSettings.Mode) && !MethodUsesSheetPile(cm.kt)) {
    notes.lines.push_back("※ 矢板はこの計算では考慮していません。");
  }
}

}  // namespace selvana
