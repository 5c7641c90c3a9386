// Conversion between UTF-8 (what windows show) and CP932 bytes (what the model and every file
// hold), the CP932 lead-byte test, and cutting a CP932 string without splitting a character.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace selvana {

// A converted text and how many characters could not be represented and were replaced
// (by "?" in CP932, by U+FFFD in UTF-8). Nothing is silently dropped.
struct TextConversion {
  std::string text;
  int replaced = 0;
};

TextConversion Utf8ToCp932(std::string_view utf8);
TextConversion Cp932ToUtf8(std::string_view cp932);

// Shorthands that keep only the text.
std::string ToCp932(std::string_view utf8);
std::string ToUtf8(std::string_view cp932);

// True when the UTF-8 text goes to CP932 and comes back unchanged: every character has a code,
// and not one that reads back as another character.
bool CanHoldInCp932(std::string_view utf8);

// The first character of the UTF-8 text that CP932 has no code at all for (한, ✓, 𠮷), as UTF-8;
// empty when every character has one, be it a look-alike's (〜 U+301C goes to the code of ～).
std::string FirstCharacterNotInCp932(std::string_view utf8);

// True for the first byte of a double-byte CP932 character (0x81-0x9F, 0xE0-0xFC).
bool IsCp932LeadByte(unsigned char c);

// Bytes of the character that starts at byte i of s (i inside s): 2 for a lead byte followed by
// another byte, else 1 (a lead byte at the very end counts as a single byte).
std::size_t Cp932CharacterBytes(std::string_view s, std::size_t i);

// The longest prefix of s of at most maxBytes bytes that does not end inside a double-byte
// character. A lead byte without its second byte at the end of s is dropped as well: written
// before a line end, it would take the line end's first byte as its second.
std::string CutCp932(std::string_view s, std::size_t maxBytes);

}  // namespace selvana
