// The walk over the grid orders that writes the result files, and the removal of an earlier
// print's files.
#include "output/result_files.h"

#include <filesystem>
#include <regex>
#include <system_error>

#include "calc/results/slip_result.h"
#include "model/project_model.h"
#include "output/check_list.h"
#include "output/result_family.h"
#include "output/result_matrix.h"
#include "platform/message_box.h"
#include "platform/number_format.h"

namespace selvana {
namespace {

// The page forms this program generates and those of the viewer's own numbered forms that an
// earlier print is taken to have left: "SB_C" or "SB_B", a form letter A to F with the order and
// one digit, or H, I, G with the order and a page number of any length.
const std::regex& OldFormPattern() {
  static const std::regex pattern(R"(SB_[CB]([A-F][1-4][0-9]|[HIG][1-4][0-9]+)\.PFM)");
  return pattern;
}

OutputResult WriteOrder(const ResultFamily& family, int order) {
  ResetResultMatrix();
  OutputResult result = WriteResultList(family, order);
  if (result.Ok() && family.HasTable) result = WriteSafetyTable(family, order);
  if (result.Ok()) result = WriteMinimumReport(family, order);
  return result;
}

// Writes every order that holds results (an empty order between them is passed over).
int WriteFamily(const ResultFamily& family) {
  LastOrder = HighestOrderWithResults();
  for (int order = 1; order <= kSlipResultOrders; ++order) {
    if (SlipResultCount[order - 1] <= 0) continue;
    const OutputResult result = WriteOrder(family, order);
    if (!result.Ok()) {
      ReportOutputFailure(result);
      return kResultFilesFailed;
    }
  }
  return kResultFilesWritten;
}

}  // namespace

void RemoveOldPrintFiles() {
  std::error_code ignored;  // a file that is not there is what we want
  for (const char* name :
       {"SB_CHK01.PDT", "SB_CHK02.PDT", "SB_CHECK.PDT", kSearchedAnglesForm, kLeftOutNotesForm}) {
    std::filesystem::remove(name, ignored);
  }
  // A list or table of another project left beside this one's would be read as this one's.
  for (int order = 1; order <= kSlipResultOrders; ++order) {
    for (const char* pattern :
         {"SB_ANS%d0.PDT", "SB_ANS%d1.PDT", "SB_ANS%d2.PDT", "SB_ANS%d0.CSV", "SB_ANS%d1.CSV"}) {
      std::filesystem::remove(StrFormat(pattern, order), ignored);
    }
  }
  std::vector<std::filesystem::path> old;
  for (const auto& entry : std::filesystem::directory_iterator(".", ignored)) {
    const std::string name = entry.path().filename().string();
    if (std::regex_match(name, OldFormPattern())) old.push_back(entry.path());
  }
  for (const auto& path : old) std::filesystem::remove(path, ignored);
}

int WriteCircleResultFiles() { return WriteFamily(kCircleFamily); }
int WriteBishopResultFiles() { return WriteFamily(kBishopFamily); }
int WriteStraightSlipResultFiles() { return WriteFamily(kStraightFamily); }

int WriteResultPrintFiles() {
  EnterOutputFolder();
  RemoveOldPrintFiles();
  if (CalcStatus != 1) return kResultFilesNothing;
  if (HighestOrderWithResults() == 0) {
    ShowMessage("maxdims < 1", "error");
    return kResultFilesNoRecords;
  }
  switch (cm.kt) {
    case kMethodFellenius:
    case kMethodTschebotarioff: return WriteCircleResultFiles();
    case kMethodBishop:
    case kMethodModifiedBishop: return WriteBishopResultFiles();
    case kMethodLineFromPoint:
    case kMethodLineBetweenSegments: return WriteStraightSlipResultFiles();
    default: return kResultFilesNoRecords;
  }
}

}  // namespace selvana
