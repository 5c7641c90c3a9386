// Strict reading of the DXF parameters, the preview range and its number texts.
#include "dialogs/dxf_preview.h"

#include <cctype>
#include <cmath>
#include <limits>

#include "platform/number_format.h"
#include "platform/number_parse.h"

namespace selvana {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Skips digits from pos; returns how many there were.
size_t SkipDigits(std::string_view text, size_t& pos) {
  const size_t start = pos;
  while (pos < text.size() && IsDigit(text[pos])) ++pos;
  return pos - start;
}

void SkipSign(std::string_view text, size_t& pos) {
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
}

// True when the whole text is [sign] digits [. digits] [e [sign] digits], with at least one
// digit before the exponent.
bool IsDecimalNumber(std::string_view text) {
  size_t pos = 0;
  SkipSign(text, pos);
  size_t digits = SkipDigits(text, pos);
  if (pos < text.size() && text[pos] == '.') {
    ++pos;
    digits += SkipDigits(text, pos);
  }
  if (digits == 0) return false;
  if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
    ++pos;
    SkipSign(text, pos);
    if (SkipDigits(text, pos) == 0) return false;
  }
  return pos == text.size();
}

}  // namespace

std::optional<double> ParseDxfParameter(std::string_view text) {
  text = TrimBlanks(text);
  if (!IsDecimalNumber(text)) return std::nullopt;
  const double value = ParseDouble(text);
  // The parser saturates at the largest double: such a text is beyond any usable value.
  if (!std::isfinite(value) || std::fabs(value) == std::numeric_limits<double>::max()) {
    return std::nullopt;
  }
  return value;
}

DxfRange PreviewDxfRange(const DxfRange& raw, const DxfTransform& t) {
  return {raw[0] * t.Magnification + t.ShiftX, raw[1] * t.Magnification + t.ShiftX,
          raw[2] * t.Magnification + t.ShiftY, raw[3] * t.Magnification + t.ShiftY};
}

std::string FormatDxfValue(double v) {
  std::string text = FormatFixed(v, 3);
  if (text == "-0.000") text.erase(0, 1);
  return text;
}

}  // namespace selvana
