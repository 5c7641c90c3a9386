// A main window built in a fresh current folder (so its settings file is the test's own), and
// destroyed with the folder afterwards.
#pragma once
#include <gtest/gtest.h>

#include <QAction>
#include <memory>
#include <string>

#include "mainwin/qt/main_form.h"
#include "platform/file_lookup.h"
#include "support/temp_folder.h"

namespace selvana::test {

class MainFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    savedDir_ = CurrentDirectory();
    ChangeDirectory(dir.Dir());
  }
  void TearDown() override {
    window.reset();
    ChangeDirectory(savedDir_);
  }
  // Builds the window (after the test has laid out any settings file it wants read).
  TMain_Frm& Open() {
    window = std::make_unique<TMain_Frm>();
    return *window;
  }
  QAction& Item(const std::string& name) {
    QAction* item = window->Item(name);
    if (!item) ADD_FAILURE() << "no menu item " << name;
    static QAction none;
    return item ? *item : none;
  }

  TempFolder dir;
  std::unique_ptr<TMain_Frm> window;

 private:
  std::string savedDir_;
};

}  // namespace selvana::test
