// Numbers as a user types them into an edit or a grid cell (UTF-8). With the Japanese input
// method on, digits, signs, the decimal point and blanks arrive full-width: they read as their
// half-width forms, and a text that still is no number is refused, never taken as 0.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace selvana {

// What an edit or a cell takes: any number within the range of a double, or a whole number
// within the range of int (a count, a point number, a line kind).
enum class TypedKind { Real, Integer };

// The errors (caption "error") when an edit or a cell does not hold a number, and when it holds
// one beyond the range it takes.
inline constexpr char kNotANumberMessage[] = "「%s」は数値ではありません。数値を入力してください。";
inline constexpr char kOutOfRangeMessage[] =
    "「%s」は扱える範囲を超えた数値です。範囲内の数値を入力してください。";

// The text with the full-width forms of ASCII (U+FF01..U+FF5E: "１", "．", "－", "＋", "Ｅ")
// as their half-width characters, the ideographic space as a blank and the minus sign U+2212 as
// "-". Everything else stays as it is: the long vowel mark "ー" is no minus and "，" no point.
std::string HalfWidthText(std::string_view utf8);

// The number a typed text holds: the whole text, blanks around it aside, after HalfWidthText is
// [sign] digits [. digits] [e [sign] digits]. Nothing when it is not (empty included) or when it
// lies beyond the range of a double.
std::optional<double> TypedNumber(std::string_view utf8);

// The whole number a typed text holds: the number TypedNumber reads, truncated toward zero
// ("2.5e1" is 25, "-1.5" is -1). Nothing when TypedNumber gives nothing or the whole number lies
// beyond the range of int.
std::optional<int> TypedInteger(std::string_view utf8);

// True when the text holds a number of the kind.
bool HoldsTypedNumber(std::string_view utf8, TypedKind kind);

// An edit's or a cell's text once left: the number it holds in a printf format ("%10.4f",
// "%8d"), or the text as it is when it holds none, for OK to refuse.
std::string FormatTypedNumber(std::string_view utf8, const char* format);
std::string FormatTypedInteger(std::string_view utf8, const char* format);

// What a store takes from an edit or a cell: the number it holds, or kept (the model's value)
// when it holds none. OK refuses such a text in every enabled edit and every cell before
// anything is stored, so only a disabled edit keeps its field this way.
double TypedNumberOr(std::string_view utf8, double kept);
int TypedIntegerOr(std::string_view utf8, int kept);

// True when the text holds nothing but blanks (full-width ones too), or nothing at all.
bool BlankTypedText(std::string_view utf8);

// The message RefuseTypedText shows for the text.
std::string TypedTextRefusal(std::string_view utf8);

// Tells the user why OK refused a typed text (caption "error"): kOutOfRangeMessage for a number
// written as one that lies beyond the range its edit or cell takes, kNotANumberMessage for
// anything else.
void RefuseTypedText(std::string_view utf8);

}  // namespace selvana
