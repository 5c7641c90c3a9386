// The shared expectations of the run-entry tests.
#include "calc/run_entry_expectations.h"

#include <gtest/gtest.h>

#include "calc/progress/headless.h"
#include "model/project_model.h"
#include "support/scripted_message_box.h"

namespace selvana::test {

void ExpectMethodRefused(int (*runEntry)(CalcProgress&), int method, const char* text) {
  cm.kt = method;
  CalcStatus = 1;
  ScriptedMessageBox box;
  box.Expect(text, "break");
  HeadlessProgress progress;
  EXPECT_EQ(-1, runEntry(progress));
  EXPECT_EQ(0, CalcStatus);
  EXPECT_EQ(0, progress.shows());
}

}  // namespace selvana::test
