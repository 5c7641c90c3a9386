// The program's windows with their commands wired as at start-up: a project opened through the
// main window's file menu is named in the caption and drawn in the view.
#include "app/program_commands.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <filesystem>

#include "app/program_start.h"
#include "app/program_windows.h"
#include "calc/progress/qt/qt_calc_progress.h"
#include "dialogs/CalJkn.h"
#include "dialogs/CircJkn.h"
#include "dialogs/DispJkn.h"
#include "dialogs/DrawJkn.h"
#include "dialogs/DxfSet.h"
#include "dialogs/LNTbl.h"
#include "dialogs/LineJkn.h"
#include "dialogs/LineJkn2.h"
#include "dialogs/NenTBL.h"
#include "dialogs/PLine.h"
#include "dialogs/XYTbl.h"
#include "dialogs/YaitaJkn.h"
#include "dialogs/about.h"
#include "editing/mouse_state.h"
#include "mainwin/main_menu.h"
#include "mainwin/qt/main_form.h"
#include "model/project_model.h"
#include "platform/file_lookup.h"
#include "platform/message_box.h"
#include "platform/program_folders.h"
#include "support/scripted_message_box.h"
#include "support/temp_folder.h"
#include "view/qt/main_view_widget.h"
#include "view/view_state.h"

namespace selvana {
namespace {

// An open dialog answered with one path; every save dialog is cancelled.
class AnsweringFileDialog : public FileDialog {
 public:
  explicit AnsweringFileDialog(std::string path) : path_(std::move(path)) {}
  std::string ChooseFileToOpen(const FileDialogRequest&) override {
    ++asked;
    return path_;
  }
  std::string ChooseFileToSave(const FileDialogRequest&) override { return {}; }
  int asked = 0;

 private:
  std::string path_;
};

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget& widget) : widget_(widget) { widget_.installEventFilter(this); }
  ~PaintCounter() override { widget_.removeEventFilter(this); }
  bool eventFilter(QObject*, QEvent* event) override {
    count += event->type() == QEvent::Paint;
    return false;
  }
  int count = 0;

 private:
  QWidget& widget_;
};

class ProgramCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    savedDir_ = CurrentDirectory();
    ChangeDirectory(dir.Dir());
    MessageBox* previousBox = InstallMessageBox(nullptr);
    PrepareProgram(*qApp);
    InstallMessageBox(previousBox);  // the tests' own box, not the windows' one
    progress = CreateProgramWindows();
  }
  void TearDown() override {
    DataModified = 0;  // no save question when the windows go
    DestroyProgramWindows();
    progress.reset();
    ChangeDirectory(savedDir_);
  }

  // Dark pixels are the view's black background.
  static int LitPixels(const QImage& image) {
    int lit = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) lit += (image.pixel(x, y) & 0xFFFFFF) != 0;
    }
    return lit;
  }

  // Triggers a menu item as the menu does and returns the modal window it opened (closed again
  // at once), or null when none opened.
  static QWidget* ModalOpenedBy(const char* item) {
    QWidget* shown = nullptr;
    QTimer::singleShot(0, [&shown] {
      shown = QApplication::activeModalWidget();
      if (auto* dialog = qobject_cast<QDialog*>(shown)) dialog->reject();
    });
    Main_Frm->Item(item)->trigger();
    QApplication::processEvents();  // the check runs even when no window opened
    return shown;
  }

  test::TempFolder dir;
  std::unique_ptr<QtCalcProgress> progress;

 private:
  std::string savedDir_;
};

TEST_F(ProgramCommandsTest, OpenThroughTheMainWindowNamesAndDrawsTheProject) {
  // A copy, so the reading leaves the shared sample folder untouched.
  std::filesystem::copy_file(SELVANA_SAMPLES "/HOMOGENEOUS.SDW", dir.File("HOMOGENEOUS.SDW"));
  AnsweringFileDialog files(dir.File("HOMOGENEOUS.SDW"));
  const ProgramCommands commands(*Main_Frm, *Dxf, *progress, &files);
  Main_Frm->resize(1000, 700);
  Main_Frm->show();
  QApplication::processEvents();
  ASSERT_LT(LitPixels(Main_Frm->Image1()->Image()), 100);  // black before a project

  PaintCounter paints(*Main_Frm->Image1());
  Main_Frm->Item("Open")->trigger();  // as the file menu does
  paints.count = 0;
  QApplication::processEvents();

  EXPECT_EQ(files.asked, 1);
  EXPECT_EQ(Main_Frm->windowTitle().toStdString(), MainCaption("HOMOGENEOUS"));
  EXPECT_GT(PointCount, 0);
  EXPECT_GT(LitPixels(Main_Frm->Image1()->Image()), 1000);  // grid, terrain lines and points
  EXPECT_GT(paints.count, 0);  // the new picture reaches the screen, not only the image
  EXPECT_TRUE(Main_Frm->Commands().IsBuilt(MainCommand::CalRun));
  if (const char* keep = std::getenv("SELVANA_KEEP_SCREENSHOT")) Main_Frm->grab().save(keep);
}

TEST_F(ProgramCommandsTest, EverySettingsItemOpensItsDialog) {
  const ProgramCommands commands(*Main_Frm, *Dxf, *progress);
  struct Opening {
    const char* item;
    int kt;
    QDialog* dialog;
  };
  const Opening openings[] = {
      {"CalSet", kMethodFellenius, Cal_Frm},      {"CirSet", kMethodModifiedBishop, Circ_Frm},
      {"CirSet", kMethodLineFromPoint, Line_Frm}, {"CirSet", kMethodLineBetweenSegments, Line_Frm2},
      {"DrawSet", kMethodFellenius, Draw_Frm},    {"DispSet", kMethodFellenius, Disp_Frm},
      {"VerDisp", kMethodFellenius, AboutBox},
  };
  for (const Opening& o : openings) {
    cm.kt = o.kt;
    EXPECT_EQ(ModalOpenedBy(o.item), o.dialog) << o.item << " " << o.kt;
  }
}

TEST_F(ProgramCommandsTest, AClickOnTheViewAddsAPointInPointAddition) {
  const ProgramCommands commands(*Main_Frm, *Dxf, *progress);
  Main_Frm->resize(1000, 700);
  Main_Frm->show();
  QApplication::processEvents();
  DataModified = 0;  // a new project is open
  Main_Frm->Item("PAdd")->trigger();
  EXPECT_EQ(200, MouseState.MouseMode);
  EXPECT_TRUE(Main_Frm->Button("BitBtnXY")->isVisible());
  test::ScriptedMessageBox box;
  box.Expect("点を追加してよろしいですか？", "確認", MsgAnswer::Yes);
  QTest::mouseClick(Main_Frm->Image1(), Qt::LeftButton, {}, QPoint(30, 40));
  EXPECT_EQ(1, PointCount);
  QTest::mouseClick(Main_Frm->Image1(), Qt::RightButton, {}, QPoint(30, 40));
  EXPECT_EQ(0, MouseState.MouseMode);
  EXPECT_FALSE(Main_Frm->Button("BitBtnXY")->isVisible());
}

TEST_F(ProgramCommandsTest, PickingALineForAParallelOpensTheDistanceDialog) {
  const ProgramCommands commands(*Main_Frm, *Dxf, *progress);
  Main_Frm->resize(1000, 700);
  Main_Frm->show();
  QApplication::processEvents();
  PointTable[0] = PointRecord{0, 0.0, 0.0};
  PointTable[1] = PointRecord{1, 2.0, 0.0};
  PointCount = 2;
  LineTable[0] = LineRecord{kLineBoundary, 0, 1, 1};
  LineCount = 1;
  Main_Frm->Item("PLine")->trigger();
  QWidget* shown = nullptr;
  QTimer::singleShot(0, [&shown] {
    shown = QApplication::activeModalWidget();
    if (auto* dialog = qobject_cast<QDialog*>(shown)) dialog->accept();
  });
  int sx = 0, sy = 0;
  ModelToScreen(1.0, 0.0, sx, sy);
  QTest::mouseClick(Main_Frm->Image1(), Qt::LeftButton, {}, QPoint(sx, sy));
  EXPECT_EQ(PLine_Frm, shown);
  EXPECT_EQ(2031, MouseState.MouseMode);
}

TEST_F(ProgramCommandsTest, TableEditorsOpenFromTheMenusAndImportThroughTheFileDialog) {
  AnsweringFileDialog files(dir.File("NONE.DAT"));
  const ProgramCommands commands(*Main_Frm, *Dxf, *progress, &files);
  const std::pair<const char*, QDialog*> editors[] = {
      {"XYEdit", XYT_Frm}, {"LNEdit", LNT_Frm}, {"Nen", NenT_Frm}, {"Yaita", YT_Frm}};
  for (const auto& [item, dialog] : editors) {
    ASSERT_NE(dialog, nullptr) << item;
    EXPECT_EQ(ModalOpenedBy(item), dialog) << item;
  }
  const std::string dataDir = DataDir;
  test::ScriptedMessageBox box;
  box.ExpectPrefix("矢板諸元インポートファイル(", "error");
  YT_Frm->Button3Click();
  EXPECT_EQ(files.asked, 1);
  DataDir = dataDir;
}

}  // namespace
}  // namespace selvana
