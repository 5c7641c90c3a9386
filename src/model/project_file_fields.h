// The numbers of one value line of the project file: where each lives in the model, how the
// line is written ("%d" and "%lf" joined by commas) and how it is scanned back.
#pragma once
#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace selvana {

// One number of a value line. A field of a list or counted row is addressed by the row index;
// a field outside the lists ignores it.
struct Field {
  std::function<int&(int row)> asInt;        // set for a "%d" field
  std::function<double&(int row)> asDouble;  // set for a "%lf" field
};
using Fields = std::vector<Field>;

// A model value that is the same for every row.
Field FieldOf(int& v);
Field FieldOf(double& v);

// Entries from .. from+count-1 of a fixed array.
template <typename T, std::size_t N>
Fields Entries(std::array<T, N>& a, int from, int count) {
  Fields out;
  for (int i = from; i < from + count; ++i) out.push_back(FieldOf(a[i]));
  return out;
}

// Entry row of an array indexed by the row (cohesion vertices, pile rows).
template <typename T, std::size_t N>
Field RowOf(std::array<T, N>& a) {
  Field f;
  auto ref = [&a](int row) -> T& { return a[row]; };
  if constexpr (std::is_same_v<T, int>)
    f.asInt = ref;
  else
    f.asDouble = ref;
  return f;
}

// Member m of the record in slot row of a table (points, lines, blocks).
template <typename Table, typename Record, typename T>
Field MemberOf(Table& table, T Record::*m) {
  Field f;
  auto ref = [&table, m](int row) -> T& { return table[row].*m; };
  if constexpr (std::is_same_v<T, int>)
    f.asInt = ref;
  else
    f.asDouble = ref;
  return f;
}

// Entry k of the array member m of the record in slot row (a block's bounding box).
template <typename Table, typename Record, typename T, std::size_t N>
Field MemberEntryOf(Table& table, std::array<T, N> Record::*m, int k) {
  Field f;
  auto ref = [&table, m, k](int row) -> T& { return (table[row].*m)[k]; };
  if constexpr (std::is_same_v<T, int>)
    f.asInt = ref;
  else
    f.asDouble = ref;
  return f;
}

Fields Concat(Fields a, const Fields& b);

// The value line of the fields of one row: "%d" or "%lf" each, joined by commas.
std::string FormatFields(const Fields& fields, int row);

// What a scanned value line held: every field it should, or the kind of its first damaged field.
enum class ScanDamage { kNone, kNotANumber, kOutOfRange };

// Scans line as the C library's scanf would with the fields' format ("%d,%lf,..."): leading
// blanks before each number are skipped, the commas must be there, and the first number that
// is missing or does not match ends the scan. A number beyond the range of its field (an i32 or
// a double) is not stored and the scan goes on after it. Only the first count fields are scanned;
// fields that are not stored keep their values. Returns kNone when all count fields were stored;
// otherwise kOutOfRange when the first field not stored held a number beyond its range, and
// kNotANumber when it was missing or held no number.
ScanDamage ScanFields(std::string_view line, const Fields& fields, std::size_t count, int row);

// What a damage message calls a damaged value: "数値として読めない値" (kNotANumber) or
// "扱える範囲を超えた数値" (kOutOfRange).
const char* DamagedValueText(ScanDamage damage);

// The leading "%d" number of a line; nothing when the line does not start with one.
std::optional<int> ScanInt(std::string_view line);

}  // namespace selvana
