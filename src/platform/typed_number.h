// Numbers as a user types them into an edit or a grid cell (UTF-8). With the Japanese input
// method on, digits, signs, the decimal point and blanks arrive full-width: they read as their
// half-width forms, and a text that still is no number is refused, never taken as 0.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace selvana {

// The error (caption "error") when an edit or a cell does not hold a number.
inline constexpr char kNotANumberMessage[] = "「%s」は数値ではありません。数値を入力してください。";

// The text with the full-width forms of ASCII (U+FF01..U+FF5E: "１", "．", "－", "＋", "Ｅ")
// as their half-width characters, the ideographic space as a blank and the minus sign U+2212 as
// "-". Everything else stays as it is: the long vowel mark "ー" is no minus and "，" no point.
std::string HalfWidthText(std::string_view utf8);

// The number a typed text holds: the whole text, blanks around it aside, after HalfWidthText is
// [sign] digits [. digits] [e [sign] digits]. Nothing when it is not (empty included) or when it
// lies beyond the range of a double.
std::optional<double> TypedNumber(std::string_view utf8);

// An edit's or a cell's text once left: the number it holds in a printf format ("%10.4f"), or
// the text as it is when it holds none, for OK to refuse.
std::string FormatTypedNumber(std::string_view utf8, const char* format);

// The leading number of a typed text after HalfWidthText, read as every text to number is read
// (garbage gives 0): what a store takes from an edit that was checked, or disabled.
double TypedValue(std::string_view utf8);
int TypedInteger(std::string_view utf8);

// Tells the user that a typed text is not a number (kNotANumberMessage, caption "error").
void RefuseNonNumber(std::string_view utf8);

}  // namespace selvana
