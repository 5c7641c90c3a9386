// A model number as a dialog shows it: the text filled into an edit or a grid cell and the exact
// value it stands for. Dialogs show fewer decimals than a value may carry (a clicked point, an
// imported constant), so OK reads a text that is still the one shown as that exact value: an
// untouched field then stores nothing, keeps its full value and marks nothing modified. A model
// text keeps its CP932 bytes the same way: two codes of one character (0x8790 and 0x81E0 "≒")
// show alike, and an untouched title must not trade one for the other.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace selvana {

struct ShownNumber {
  std::string Text;  // empty: nothing was shown
  double Value = 0.0;
};

// The value in a printf format ("%5.4f", "%10.4f"), remembered with the value.
ShownNumber ShowNumber(double value, const char* format);

// What a text reads as on OK: the shown value while the text is still the one shown, else the
// typed number (TypedNumber); nothing when it holds none. A text the user changed is read as
// typed, even when it names the same number.
std::optional<double> ShownOrTypedNumber(std::string_view text, const ShownNumber& shown);
// The same, with kept standing for a text that holds no number.
double ShownOrTypedNumberOr(std::string_view text, const ShownNumber& shown, double kept);

struct ShownText {
  std::string Text;   // UTF-8, as the edit shows it
  std::string Bytes;  // CP932, as the model holds it
};

ShownText ShowText(const std::string& cp932);

// The CP932 bytes a text stands for on OK: the shown bytes while the text is still the one
// shown, else the typed text converted (a look-alike as the code CP932 holds it under).
std::string ShownOrTypedText(std::string_view text, const ShownText& shown);

// The first character of a text that the project file cannot hold (FirstCharacterNotInCp932);
// empty when it holds every one, or when the text is still the one shown.
std::string FirstCharacterNotInFile(std::string_view text, const ShownText& shown);

}  // namespace selvana
