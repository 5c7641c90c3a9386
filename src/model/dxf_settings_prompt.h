// The question the DXF terrain import asks between its two passes: it shows what the first pass
// found and gets back the origin shift and magnification, or a cancel. The DXF settings dialog
// implements it; tests answer it.
#pragma once
#include <array>
#include <string>

namespace selvana {

// The ten values of the settings dialog. The import fills all of them; the dialog writes the
// last three back when the user chooses to read.
struct DxfImportSettings {
  std::string FileName;  // the file's name with ".DXF", as the file system spells it (UTF-8)
  int PointCount = 0;    // twice the segment count: points before merging
  int LineCount = 0;     // segments before merging
  double XMax = 0.0;     // raw data range of every coordinate read
  double XMin = 0.0;
  double YMax = 0.0;
  double YMin = 0.0;
  double ShiftX = 0.0;  // origin shift added after the magnification
  double ShiftY = 0.0;
  double Magnification = 1.0;
};

class DxfSettingsPrompt {
 public:
  virtual ~DxfSettingsPrompt() = default;
  // Shows the settings modally. True when the user chose to read, with ShiftX, ShiftY and
  // Magnification set; false when cancelled or when a value does not convert (the import
  // then changes nothing).
  virtual bool Ask(DxfImportSettings& settings) = 0;
};

// The texts of the dialog's edits 1 to 10 for the given settings: the file name, the two counts
// as integers and every number with three decimals ("0.000").
std::array<std::string, 10> DxfSettingsTexts(const DxfImportSettings& settings);

}  // namespace selvana
