// The arithmetic behind the DXF settings dialog: reading its parameter edits strictly, the
// preview of the transformed data range and the "0.000" texts it shows.
#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace selvana {

// The data range of a DXF file: X maximum, X minimum, Y maximum, Y minimum, in the order of the
// dialog's edits 4 to 7.
using DxfRange = std::array<double, 4>;

// The parameters the user enters: origin shift X and Y and the magnification.
struct DxfTransform {
  double ShiftX = 0.0;
  double ShiftY = 0.0;
  double Magnification = 1.0;
};

// The number a parameter edit holds, read as every typed number is (TypedNumber): a typing slip
// is refused, not taken as a zero shift.
std::optional<double> ParseDxfParameter(std::string_view text);

// The range as the import would place it: each X value × magnification + shift X, each Y value
// × magnification + shift Y (not rounded to millimetres as the import does).
DxfRange PreviewDxfRange(const DxfRange& raw, const DxfTransform& transform);

// The parameters in the order of the dialog's edits 8 to 10.
enum class DxfParameter { ShiftX, ShiftY, Magnification };

// The parameter that makes the import place the whole range within one millimetre in X and in
// Y, where every point would merge into one and the terrain would collapse; nothing when it
// keeps an extent. The magnification is to blame when the magnified range alone collapses (a
// magnification of 0, or one that rounds the drawing away); else the shift of an axis whose
// extent the shift rounds away.
std::optional<DxfParameter> DxfTransformCollapses(const DxfRange& raw,
                                                  const DxfTransform& transform);

// The parameter that makes the import place an end of the range outside the range of
// coordinates (CoordinateInRange), where its rounding to millimetres no longer holds; nothing
// when the whole range lies within it. The magnification is to blame when the magnified range
// alone leaves it; a shift when it lies outside on its own or pushes a magnified range that lies
// within outside. When several are, the first in the dialog's order is named.
std::optional<DxfParameter> DxfTransformLeavesRange(const DxfRange& raw,
                                                    const DxfTransform& transform);

// A value with three decimals ("0.000"); a value that rounds to zero shows no minus sign.
std::string FormatDxfValue(double v);

}  // namespace selvana
