// Set-if-changed helpers and the edit-number format shared by all dialogs.
#include "model/set_if_changed.h"

#include <cmath>

#include "model/project_model.h"
#include "platform/cp932.h"
#include "platform/typed_number.h"

namespace selvana {

int SetStringIfChanged(std::string& dst, std::string_view src) {
  // A model string ends at its first zero byte: what follows it is not part of the text.
  src = src.substr(0, src.find('\0'));
  std::string value = CutCp932(src, kMaxTextBytes);
  if (value == dst) return 0;
  dst = std::move(value);
  return 1;
}

int SetDoubleIfChanged(double& dst, double v) {
  if (!(std::fabs(dst - v) >= 0.0000001)) return 0;
  dst = v;
  return 1;
}

int SetIntIfChanged(int& dst, int v) {
  if (dst == v) return 0;
  dst = v;
  return 1;
}

int FormatEditNumber(EditText& edit, int decimals) {
  const char* format = "%1.0f";
  switch (decimals) {
    case 1: format = "%2.1f"; break;
    case 2: format = "%3.2f"; break;
    case 3: format = "%4.3f"; break;
    case 4: format = "%5.4f"; break;
    default:
      if (decimals >= 5) format = "%6.5f";
      break;
  }
  edit.SetText(FormatTypedNumber(edit.Text(), format));
  return 0;
}

}  // namespace selvana
