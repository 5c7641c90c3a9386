// Start-up as the program does it: C numbers after the toolkit starts, the twenty windows in
// their order, and one look at the main view with a small model drawn (a PNG for a person).
#include "app/program_windows.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <clocale>
#include <cstring>

#include "app/program_start.h"
#include "calc/progress/qt/Msg.h"
#include "calc/progress/qt/Stop.h"
#include "calc/progress/qt/qt_calc_progress.h"
#include "dialogs/CalJkn.h"
#include "dialogs/PAnzen.h"
#include "dialogs/about.h"
#include "mainwin/form_sizes.h"
#include "mainwin/qt/main_form.h"
#include "model/project_model.h"
#include "platform/file_lookup.h"
#include "platform/message_box.h"
#include "platform/number_format.h"
#include "support/temp_folder.h"
#include "view/qt/main_view_widget.h"
#include "view/view_fitting.h"

namespace selvana {
namespace {

class ProgramWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    savedDir_ = CurrentDirectory();
    ChangeDirectory(dir.Dir());
    previousBox_ = InstallMessageBox(nullptr);
    PrepareProgram(*qApp);
    InstallMessageBox(previousBox_);  // the tests' own box, not the windows' one
  }
  void TearDown() override {
    DestroyProgramWindows();
    ChangeDirectory(savedDir_);
  }

  test::TempFolder dir;

 private:
  std::string savedDir_;
  MessageBox* previousBox_ = nullptr;
};

void AddPoint(int i, double x, double y) {
  PointTable[i] = {i, x, y};
  PointCount = std::max(PointCount, i + 1);
}

void AddLine(int i, int kind, int p1, int p2) {
  LineTable[i] = {kind, p1, p2, 1};
  LineCount = std::max(LineCount, i + 1);
}

TEST_F(ProgramWindows, NumbersKeepTheirDecimalPointAfterStartUp) {
  EXPECT_STREQ(std::localeconv()->decimal_point, ".");
  EXPECT_EQ(StrFormat("%5.4f", 1.5), "1.5000");
}

TEST_F(ProgramWindows, EveryWindowExistsOnceAfterStartUp) {
  const auto progress = CreateProgramWindows();
  ASSERT_NE(Main_Frm, nullptr);
  EXPECT_NE(Cal_Frm, nullptr);
  EXPECT_NE(AboutBox, nullptr);
  EXPECT_NE(PA_Frm, nullptr);
  ASSERT_NE(Msg_Frm, nullptr);
  ASSERT_NE(Stop_Frm, nullptr);
  EXPECT_NE(progress, nullptr);
  EXPECT_EQ(Cal_Frm->windowTitle().toStdString(), "計算条件設定");
}

TEST_F(ProgramWindows, DialogTakesItsSlotSizeWhenShownAndKeepsTheUsersSize) {
  CreateProgramWindows();
  FormSizes[kSlotCal] = {800, 640, 0, 0};  // room for every control of the dialog
  Cal_Frm->show();
  EXPECT_EQ(Cal_Frm->size(), QSize(800, 640));
  Cal_Frm->resize(820, 650);
  EXPECT_EQ(FormSizes[kSlotCal].Width, 820);
  EXPECT_EQ(FormSizes[kSlotCal].Height, 650);
  Cal_Frm->hide();
}

TEST_F(ProgramWindows, MainViewShowsASmallModel) {
  CreateProgramWindows();
  Main_Frm->resize(1000, 700);
  Main_Frm->show();
  for (QAction* menu : Main_Frm->menuBar()->actions()) {  // every menu opens
    if (!menu->menu() || !menu->isVisible()) continue;
    menu->menu()->popup(QPoint(0, 0));
    QApplication::processEvents();
    EXPECT_TRUE(menu->menu()->isVisible()) << menu->text().toStdString();
    menu->menu()->hide();
  }
  AddPoint(0, 0.0, 0.0);
  AddPoint(1, 20.0, 0.0);
  AddPoint(2, 30.0, 8.0);
  AddPoint(3, 50.0, 8.0);
  AddLine(0, kLineBoundary, 0, 1);
  AddLine(1, kLineBoundary, 1, 2);
  AddLine(2, kLineBoundary, 2, 3);
  DataModified = 0;
  FitViewToModel();
  QApplication::processEvents();
  const QImage& image = Main_Frm->Image1()->Image();
  int lit = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) lit += (image.pixel(x, y) & 0xFFFFFF) != 0;
  }
  EXPECT_GT(lit, 100);  // the grid, the lines and the points
  const QString png = QString::fromStdString(dir.Dir() + "main_view.png");
  EXPECT_TRUE(Main_Frm->grab().save(png));
  if (const char* keep = std::getenv("SELVANA_KEEP_SCREENSHOT")) Main_Frm->grab().save(keep);
  DataModified = 0;
}

}  // namespace
}  // namespace selvana
