// Reading and calculating a sample project for the tests of what a run shows.
#include "support/calculated_sample.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "calc/bishop_run_entry.h"
#include "calc/progress/headless.h"
#include "calc/results/consolidation.h"
#include "calc/run_entry.h"
#include "model/project_file.h"
#include "model/project_model.h"
#include "platform/file_lookup.h"
#include "support/scripted_message_box.h"
#include "support/temp_folder.h"
#include "view/view_fitting.h"

namespace selvana::test {

void ReadSample(const std::string& name, const std::string& folder) {
  std::filesystem::copy_file(std::filesystem::path(folder) / (name + ".SDW"), name + ".SDW",
                             std::filesystem::copy_options::overwrite_existing);
  ASSERT_EQ(0, ReadProjectFile(name));
}

void CalculateCircleSample(const std::string& name, const std::string& folder) {
  ReadSample(name, folder);
  if (::testing::Test::HasFatalFailure()) return;
  ScriptedMessageBox box;
  box.ExpectPrefix("計算：正常終了しました。判定(", "終わり");
  HeadlessProgress progress;
  const bool bishop = cm.kt == kMethodBishop || cm.kt == kMethodModifiedBishop;
  ASSERT_EQ(0, bishop ? RunCircleCalcBishop(progress) : RunCircleCalcFellenius(progress));
  ConsolidateResults();
}

void CalculateAndShowSample(const std::string& name, const std::string& folder) {
  const std::string here = CurrentDirectory();
  {
    TempFolder scratch;
    ASSERT_TRUE(ChangeDirectory(scratch.path()));
    CalculateCircleSample(name, folder);
    ChangeDirectory(here);
  }
  FitViewToModel();
}

ControlRect MaximisedViewOn(int screenWidth, int screenHeight) {
  return LayoutMainClient(screenWidth - 4, screenHeight - 25).Image1;
}

}  // namespace selvana::test
