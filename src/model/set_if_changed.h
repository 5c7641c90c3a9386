// The setters every edit goes through: they store a value only when it differs from the stored
// one and say whether it did, so that OK without a change leaves the project unmodified.
#pragma once
#include <string>
#include <string_view>

#include "platform/edit_text.h"

namespace selvana {

// Copies src (cut to 255 bytes on a CP932 character boundary) over dst when they differ;
// returns 1 on a change, else 0.
int SetStringIfChanged(std::string& dst, std::string_view src);

// Stores v when |dst - v| >= 1e-7; returns 1 on a change, else 0 (dst keeps its old value).
int SetDoubleIfChanged(double& dst, double v);

// Stores v when it differs; returns 1 on a change, else 0.
int SetIntIfChanged(int& dst, int v);

// Rewrites an edit's text as the number it holds (a typed number, full-width digits read as
// half-width ones) with the given decimals ("%2.1f" for 1, "%3.2f" for 2, "%4.3f" for 3, "%5.4f"
// for 4, "%6.5f" for 5 or more, "%1.0f" for 0 or less). A text that is no number stays as it
// is, for OK to refuse. Returns 0.
int FormatEditNumber(EditText& edit, int decimals);

}  // namespace selvana
