// The project base name a chosen file gives the file commands: one the model can hold.
#include "mainwin/file_commands.h"

#include "model/project_model.h"
#include "platform/cp932.h"
#include "platform/file_lookup.h"
#include "platform/message_box.h"
#include "platform/number_format.h"

namespace selvana {
namespace {

void RefuseName(const char* format, const std::string& fileName) {
  ShowMessage(StrFormat(format, fileName.c_str()), "error", MsgButtons::Ok, MsgIcon::Error);
}

}  // namespace

std::optional<std::string> ProjectBaseOf(const std::string& path) {
  const std::string fileName = FileNameOf(path);
  const std::string chosenBase = BaseNameOf(fileName);
  // A character CP932 spells only as a look-alike ("−" as "－") would send the reader and the
  // writer to another file than the one chosen.
  if (!CanHoldInCp932(chosenBase)) {
    RefuseName(kNameNotCp932Message, fileName);
    return std::nullopt;
  }
  std::string base = ToCp932(chosenBase);
  if (base.size() > kMaxTextBytes) {
    RefuseName(kNameTooLongMessage, fileName);
    return std::nullopt;
  }
  return base;
}

}  // namespace selvana
