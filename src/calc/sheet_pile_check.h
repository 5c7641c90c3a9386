// Whether a calculation uses the sheet pile, and the refusal of a pile whose top does not stand
// above its toe: such a pile cuts no circle, so a run would quietly go on as if it had none.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace selvana {

// True for the methods that read the sheet pile: the Fellenius family (cm.kt 0 and 1).
bool MethodUsesSheetPile(int method);

// True when the sheet-pile mode asks for a pile at all (any mode but 0, "矢板を無視する").
bool SheetPileModeSet(int mode);

// The refusal of a pile whose top (as the text top) is at or below its toe (the text toe), in
// the manner of the dialogs' number refusals, naming the pile's top by its dialog label; where
// names the dialog in which to mend it ("矢板の設定で" at the run, nothing in the dialog itself).
std::string PileTopNotAboveToeMessage(std::string_view top, std::string_view toe,
                                      std::string_view where = {});

// The run's check of the model: the refusal when the run uses a sheet pile (the method reads
// it and its mode is set) whose TopElevation is at or below its EmbedmentElevation.
std::optional<std::string> SheetPileTopRefusal();

}  // namespace selvana
