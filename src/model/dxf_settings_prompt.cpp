// The texts with which the DXF settings dialog shows the values of the import.
#include "model/dxf_settings_prompt.h"

#include "platform/number_format.h"

namespace selvana {

std::array<std::string, 10> DxfSettingsTexts(const DxfImportSettings& s) {
  return {s.FileName,
          StrFormat("%d", s.PointCount),
          StrFormat("%d", s.LineCount),
          FormatFixed(s.XMax, 3),
          FormatFixed(s.XMin, 3),
          FormatFixed(s.YMax, 3),
          FormatFixed(s.YMin, 3),
          FormatFixed(s.ShiftX, 3),
          FormatFixed(s.ShiftY, 3),
          FormatFixed(s.Magnification, 3)};
}

}  // namespace selvana
