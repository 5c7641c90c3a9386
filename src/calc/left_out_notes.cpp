// The verdict's lines on sand piles and a sheet pile the run leaves out.
#include "calc/left_out_notes.h"

#include "calc/sheet_pile_check.h"
#include "model/design_copy.h"
#include "model/project_model.h"

namespace selvana {
namespace {

// The user's sand piles: a design copy in force has cleared those of the live blocks.
bool ModelHasSandPiles() {
  const auto& blocks = DesignCopyInForce() ? ModelSnapshot.BlockTable : BlockTable;
  for (int b = 0; b < BlockCount; ++b) {
    if (blocks[b].Number >= 0 && blocks[b].SandPile != 0) return true;
  }
  return false;
}

bool MethodUsesSandPiles(int method) {
  return method != kMethodBishop && method != kMethodModifiedBishop;
}

}  // namespace

void NoteLeftOutFeatures(VerdictNotes& notes) {
  if (ModelHasSandPiles() && (UserPartialFactors().Enabled != 0 || !MethodUsesSandPiles(cm.kt))) {
    notes.lines.push_back("※ 砂杭はこの計算では考慮していません。");
  }
  if (SheetPileModeSet(SheetPileSettings.Mode) && !MethodUsesSheetPile(cm.kt)) {
    notes.lines.push_back("※ 矢板はこの計算では考慮していません。");
  }
}

}  // namespace selvana
