// Strict reading of the DXF parameters, the preview range and its number texts.
#include "forms/dxf_settings_form.h"

#include <cmath>

#include "model/dxf_import.h"
#include "platform/number_format.h"
#include "platform/typed_number.h"

namespace selvana {

std::optional<double> ParseDxfParameter(std::string_view text) { return TypedNumber(text); }

DxfRange PreviewDxfRange(const DxfRange& raw, const DxfTransform& t) {
  return {raw[0] * t.Magnification + t.ShiftX, raw[1] * t.Magnification + t.ShiftX,
          raw[2] * t.Magnification + t.ShiftY, raw[3] * t.Magnification + t.ShiftY};
}

bool DxfTransformCollapses(const DxfRange& raw, const DxfTransform& t) {
  auto extent = [&t](double shift, double high, double low) {
    return std::fabs(PlaceDxfCoordinate(shift, t.Magnification, high) -
                     PlaceDxfCoordinate(shift, t.Magnification, low));
  };
  return extent(t.ShiftX, raw[0], raw[1]) <= kDxfMergeDistance &&
         extent(t.ShiftY, raw[2], raw[3]) <= kDxfMergeDistance;
}

std::optional<DxfParameter> DxfTransformOverflows(const DxfRange& raw, const DxfTransform& t) {
  const double m = t.Magnification;
  // True when both ends of one axis's range land on coordinates a double holds.
  auto places = [](double shift, double magnification, double high, double low) {
    return std::isfinite(PlaceDxfCoordinate(shift, magnification, high)) &&
           std::isfinite(PlaceDxfCoordinate(shift, magnification, low));
  };
  const bool magnified = places(0.0, m, raw[0], raw[1]) && places(0.0, m, raw[2], raw[3]);
  auto shiftOverflows = [&](double shift, double high, double low) {
    const bool overflowsAlone = !places(shift, 0.0, 0.0, 0.0);  // without any drawing
    return !places(shift, m, high, low) && (magnified || overflowsAlone);
  };
  if (shiftOverflows(t.ShiftX, raw[0], raw[1])) return DxfParameter::ShiftX;
  if (shiftOverflows(t.ShiftY, raw[2], raw[3])) return DxfParameter::ShiftY;
  if (!magnified) return DxfParameter::Magnification;
  return std::nullopt;
}

std::string FormatDxfValue(double v) {
  std::string text = FormatFixed(v, 3);
  if (text == "-0.000") text.erase(0, 1);
  return text;
}

}  // namespace selvana
