// Taking terrain over from a text DXF drawing: its line segments become the point table and
// boundary lines of the model, shifted, magnified and rounded to millimetres.
#pragma once
#include <string>

#include "model/dxf_settings_prompt.h"

namespace selvana {

// The import limits: points and lines beyond these are not taken over.
inline constexpr int kDxfMaxPoints = 960;
inline constexpr int kDxfMaxLines = 960;

// Points closer than this in both X and Y are one point.
inline constexpr double kDxfMergeDistance = 0.001;

// A coordinate v of the drawing as the import places it: shift + magnification × v, rounded to
// the nearest millimetre, halves upward.
double PlaceDxfCoordinate(double shift, double magnification, double v);

// Imports the file name + ".DXF" (name is its path without extension as the file system
// spells it, UTF-8; the extension is matched ignoring case). A first pass counts the segments
// and measures their range for the prompt; when the user chooses to read, a second pass
// transforms them (X' = floor(1000 shiftX + 1000 mag X + 0.5) / 1000), merges points within
// 1 mm, drops zero-length and repeated segments and those reaching beyond 960 points, and
// replaces point and line slots 0..959 (slots above are left alone; blocks and settings too).
// Then DataModified := 1 and CalcStatus := 0. A missing or unreadable file, and one that holds
// no segment to import (none found, or none left after rounding), get an "error" message box
// and change nothing; so does a cancel, without a box. Returns 0 in every case.
int ImportDxfTerrain(const std::string& name, DxfSettingsPrompt& prompt);

}  // namespace selvana
