// Strict reading of the DXF parameters, the preview range and its number texts.
#include "forms/dxf_settings_form.h"

#include <cmath>

#include "model/dxf_import.h"
#include "model/geometry.h"
#include "platform/number_format.h"
#include "platform/typed_number.h"

namespace selvana {

std::optional<double> ParseDxfParameter(std::string_view text) { return TypedNumber(text); }

DxfRange PreviewDxfRange(const DxfRange& raw, const DxfTransform& t) {
  return {raw[0] * t.Magnification + t.ShiftX, raw[1] * t.Magnification + t.ShiftX,
          raw[2] * t.Magnification + t.ShiftY, raw[3] * t.Magnification + t.ShiftY};
}

namespace {

// The extent of one axis of the range as the import places it.
double PlacedExtent(double shift, double magnification, double high, double low) {
  return std::fabs(PlaceDxfCoordinate(shift, magnification, high) -
                   PlaceDxfCoordinate(shift, magnification, low));
}

bool Collapses(const DxfRange& raw, const DxfTransform& t) {
  return PlacedExtent(t.ShiftX, t.Magnification, raw[0], raw[1]) <= kDxfMergeDistance &&
         PlacedExtent(t.ShiftY, t.Magnification, raw[2], raw[3]) <= kDxfMergeDistance;
}

// True when both ends of one axis's range are placed within the range of coordinates.
bool PlacedInRange(double shift, double magnification, double high, double low) {
  return CoordinateInRange(PlaceDxfCoordinate(shift, magnification, high)) &&
         CoordinateInRange(PlaceDxfCoordinate(shift, magnification, low));
}

}  // namespace

std::optional<DxfParameter> DxfTransformCollapses(const DxfRange& raw, const DxfTransform& t) {
  if (!Collapses(raw, t)) return std::nullopt;
  if (Collapses(raw, {0.0, 0.0, t.Magnification})) return DxfParameter::Magnification;
  // Unshifted, the range keeps an extent on an axis; that axis's shift rounds it away.
  return PlacedExtent(0.0, t.Magnification, raw[0], raw[1]) > kDxfMergeDistance
             ? DxfParameter::ShiftX
             : DxfParameter::ShiftY;
}

std::optional<DxfParameter> DxfTransformLeavesRange(const DxfRange& raw, const DxfTransform& t) {
  const double m = t.Magnification;
  const bool magnified =
      PlacedInRange(0.0, m, raw[0], raw[1]) && PlacedInRange(0.0, m, raw[2], raw[3]);
  auto shiftLeaves = [&](double shift, double high, double low) {
    return !PlacedInRange(shift, m, high, low) && (magnified || !CoordinateInRange(shift));
  };
  if (shiftLeaves(t.ShiftX, raw[0], raw[1])) return DxfParameter::ShiftX;
  if (shiftLeaves(t.ShiftY, raw[2], raw[3])) return DxfParameter::ShiftY;
  if (!magnified) return DxfParameter::Magnification;
  return std::nullopt;
}

std::string FormatDxfValue(double v) {
  std::string text = FormatFixed(v, 3);
  if (text == "-0.000") text.erase(0, 1);
  return text;
}

}  // namespace selvana
