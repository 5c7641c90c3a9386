// The rules by which search settings can find a slip surface in the section: the run entries
// refuse a project that breaks one, and the settings dialogs refuse the typed value, so that
// both judge alike.
#pragma once
#include <optional>

#include "model/project_model.h"

namespace selvana {

// The first value of a settings record that breaks a rule, and why: in the words of the run's
// refusal and in those of a dialog, "<label>「<text>」は<reason>。".
struct SettingsFault {
  const double* field;     // the value at fault, within the record judged
  const char* runMessage;  // caption "error"
  const char* reason;
};

// Circle settings: a centre pitch larger than its non-zero range; without the pass point a
// radius range whose maximum is not above 0 or a radius pitch larger than its non-zero range;
// with it a pass point outside the section's extent, or with no row of the centre grid above it
// (at or above Ymax).
std::optional<SettingsFault> CircleSettingsFault(const CircleSearchSettings& s);

// Method 3: a slip angle outside 0 <= α < 90, an angle step larger than its non-zero range, a
// start point outside the section's extent.
std::optional<SettingsFault> LineFromPointFault(const StraightSlipSettingsRecord& s);

// Method 5 has no rule here: its lines run from the start segment to the end segment as
// unbounded lines cut by the ground, so both segments may lie anywhere, in the air included.
// When no line reaches the ground, the run's no-result reason says so.

}  // namespace selvana
