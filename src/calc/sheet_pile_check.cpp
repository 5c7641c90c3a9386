// The sheet pile a run uses: which methods read it and the check of its top above its toe.
#include "calc/sheet_pile_check.h"

#include "model/project_model.h"
#include "platform/number_format.h"

namespace selvana {

bool MethodUsesSheetPile(int method) {
  return method == kMethodFellenius || method == kMethodTschebotarioff;
}

bool SheetPileModeSet(int mode) { return mode != 0; }

std::string PileTopNotAboveToeMessage(std::string_view top, std::string_view toe,
                                      std::string_view where) {
  const std::string topText(top), toeText(toe), whereText(where);
  return StrFormat(
      "矢板天端高「%s」が矢板根入れ高「%s」以下です。%s矢板天端高を入力し直してください。",
      topText.c_str(), toeText.c_str(), whereText.c_str());
}

std::optional<std::string> SheetPileTopRefusal() {
  const SheetPileSettingsRecord& pile = SheetPileSettings;
  if (!MethodUsesSheetPile(cm.kt) || !SheetPileModeSet(pile.Mode)) return std::nullopt;
  if (pile.TopElevation > pile.EmbedmentElevation) return std::nullopt;
  // Shown as the sheet-pile dialog shows the two values.
  return PileTopNotAboveToeMessage(StrFormat("%5.4f", pile.TopElevation),
                                   StrFormat("%5.4f", pile.EmbedmentElevation), "矢板の設定で");
}

}  // namespace selvana
