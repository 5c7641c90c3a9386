// The DXF terrain import on any bytes, confirmed with the dialog's default settings.
#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"
#include "model/dxf_import.h"
#include "model/project_model.h"

namespace {

class AcceptDefaults : public selvana::DxfSettingsPrompt {
 public:
  bool Ask(selvana::DxfImportSettings&) override { return true; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace selvana;
  fuzz::PrepareInput("INPUT.DXF", data, size);
  ResetProjectData();
  AcceptDefaults prompt;
  ImportDxfTerrain("INPUT", prompt);
  fuzz::Require(PointCount >= 0 && PointCount <= kMaxPoints, "point count out of range");
  fuzz::Require(LineCount >= 0 && LineCount <= kMaxLines, "line count out of range");
  return 0;
}
