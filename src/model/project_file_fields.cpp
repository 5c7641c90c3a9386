// Writing and scanning the comma-separated numbers of a project file's value lines.
#include "model/project_file_fields.h"

#include "platform/number_format.h"
#include "platform/number_parse.h"

namespace selvana {
namespace {

// The blanks that scanf skips before a number.
bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Scans the digits from pos; returns how many there were.
std::size_t SkipDigits(std::string_view s, std::size_t& pos) {
  const std::size_t start = pos;
  while (pos < s.size() && IsDigit(s[pos])) ++pos;
  return pos - start;
}

// The extent of the number that "%d" (integer) or "%lf" takes at pos, after blanks. Returns
// false when no number starts there; on success [begin, pos) holds the number.
bool TakeNumber(std::string_view s, std::size_t& pos, std::size_t& begin, bool integer) {
  while (pos < s.size() && IsBlank(s[pos])) ++pos;
  begin = pos;
  if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) ++pos;
  std::size_t digits = SkipDigits(s, pos);
  if (!integer && pos < s.size() && s[pos] == '.') {
    ++pos;
    digits += SkipDigits(s, pos);
  }
  if (digits == 0) return false;
  if (!integer && pos < s.size() && (s[pos] == 'e' || s[pos] == 'E')) {
    std::size_t exp = pos + 1;
    if (exp < s.size() && (s[exp] == '+' || s[exp] == '-')) ++exp;
    if (SkipDigits(s, exp) > 0) pos = exp;
  }
  return true;
}

// Stores a number that lies within the range of the field's type; false for one beyond it.
template <typename T>
bool StoreInRange(T& field, std::optional<T> value) {
  if (value) field = *value;
  return value.has_value();
}

}  // namespace

Field FieldOf(int& v) {
  Field f;
  f.asInt = [&v](int) -> int& { return v; };
  return f;
}

Field FieldOf(double& v) {
  Field f;
  f.asDouble = [&v](int) -> double& { return v; };
  return f;
}

Fields Concat(Fields a, const Fields& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

std::string FormatFields(const Fields& fields, int row) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line += ',';
    const Field& f = fields[i];
    line += f.asInt ? StrFormat("%d", f.asInt(row)) : StrFormat("%f", f.asDouble(row));
  }
  return line;
}

ScanDamage ScanFields(std::string_view line, const Fields& fields, std::size_t count, int row) {
  std::size_t pos = 0;
  ScanDamage damage = ScanDamage::kNone;
  // A field that is missing or holds no number ends the scan; one beyond range does not.
  auto unread = [&damage] {
    return damage == ScanDamage::kNone ? ScanDamage::kNotANumber : damage;
  };
  for (std::size_t i = 0; i < count && i < fields.size(); ++i) {
    if (i > 0) {
      if (pos >= line.size() || line[pos] != ',') return unread();
      ++pos;
    }
    const Field& f = fields[i];
    std::size_t begin = 0;
    if (!TakeNumber(line, pos, begin, static_cast<bool>(f.asInt))) return unread();
    const std::string_view number = line.substr(begin, pos - begin);
    const bool stored = f.asInt ? StoreInRange(f.asInt(row), ParseIntInRange(number))
                                : StoreInRange(f.asDouble(row), ParseDoubleInRange(number));
    if (!stored && damage == ScanDamage::kNone) damage = ScanDamage::kOutOfRange;
  }
  return damage;
}

const char* DamagedValueText(ScanDamage damage) {
  return damage == ScanDamage::kOutOfRange ? "扱える範囲を超えた数値" : "数値として読めない値";
}

std::optional<int> ScanInt(std::string_view line) {
  std::size_t pos = 0;
  std::size_t begin = 0;
  if (!TakeNumber(line, pos, begin, true)) return std::nullopt;
  return ParseInt(line.substr(begin, pos - begin));
}

}  // namespace selvana
