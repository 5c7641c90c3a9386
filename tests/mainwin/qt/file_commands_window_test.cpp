// The file and run commands in the real program, through the menus and the real dialogs: a
// project chosen in the Qt file dialog becomes a recent file, a run offers its results, and a
// DXF import takes the magnification entered in the settings dialog.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>

#include "app/program_commands.h"
#include "app/program_start.h"
#include "app/program_windows.h"
#include "calc/progress/qt/qt_calc_progress.h"
#include "dialogs/DxfSet.h"
#include "mainwin/qt/main_form.h"
#include "model/project_model.h"
#include "platform/file_lookup.h"
#include "platform/message_box.h"
#include "platform/program_folders.h"
#include "support/scripted_message_box.h"
#include "support/temp_folder.h"

namespace selvana {
namespace {

// Acts on the first modal dialog of type T, as soon as one is shown; gives up after two
// seconds, so that a dialog that never came cannot be answered in a later test.
template <typename T>
void WhenModal(std::function<void(T&)> act) {
  auto* poll = new QTimer(qApp);
  QObject::connect(poll, &QTimer::timeout, [poll, act, ticks = 0]() mutable {
    auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
    if (!dialog && ++ticks < 400) return;
    poll->stop();
    poll->deleteLater();
    if (dialog) act(*dialog);
  });
  poll->start(5);
}

// Chooses path in the next file dialog.
void ChooseInFileDialog(const std::string& path) {
  WhenModal<QFileDialog>([path](QFileDialog& files) {
    files.selectFile(QString::fromStdString(path));
    static_cast<QDialog&>(files).accept();
  });
}

class FileCommandsWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    savedDir_ = CurrentDirectory();
    ChangeDirectory(dir.Dir());
    MessageBox* own = InstallMessageBox(nullptr);
    PrepareProgram(*qApp);
    InstallMessageBox(own);  // the tests' own box, not the windows' one
    progress = CreateProgramWindows();
    commands = std::make_unique<ProgramCommands>(*Main_Frm, *Dxf, *progress);
    Main_Frm->resize(1000, 700);
    Main_Frm->show();
  }
  void TearDown() override {
    DataModified = 0;  // no close prompt
    commands.reset();
    DestroyProgramWindows();
    ChangeDirectory(savedDir_);
  }

  // Opens the sample project through the file menu, choosing it in the file dialog.
  std::string OpenSample() {
    const std::string path = dir.File("HOMOGENEOUS.SDW");
    std::filesystem::copy_file(SELVANA_SAMPLES "/HOMOGENEOUS.SDW", path);
    ChooseInFileDialog(path);
    Main_Frm->Item("Open")->trigger();
    QApplication::processEvents();
    return path;
  }

  test::TempFolder dir;
  std::unique_ptr<QtCalcProgress> progress;
  std::unique_ptr<ProgramCommands> commands;

 private:
  std::string savedDir_;
};

TEST_F(FileCommandsWindow, FileChosenInTheDialogBecomesTheFirstRecentFile) {
  const std::string path = OpenSample();
  EXPECT_EQ("Selvana for Windows (HOMOGENEOUS)", Main_Frm->windowTitle().toStdString());
  EXPECT_TRUE(Main_Frm->Item("N4")->isVisible());
  EXPECT_TRUE(Main_Frm->Item("F1")->isVisible());
  EXPECT_EQ(path + " (&1)", Main_Frm->Item("F1")->text().toStdString());
  EXPECT_EQ(dir.Dir(), DataDir);
}

TEST_F(FileCommandsWindow, RunThroughTheMenuOffersItsResults) {
  OpenSample();
  test::ScriptedMessageBox box;
  box.ExpectPrefix("計算：正常終了しました。判定(", "終わり");
  Main_Frm->Item("CalRun")->trigger();
  EXPECT_EQ(1, CalcStatus);
  EXPECT_TRUE(Main_Frm->Item("Kekka")->isEnabled());
  EXPECT_TRUE(Main_Frm->Item("MZmnDraw")->isVisible());
}

TEST_F(FileCommandsWindow, DxfThroughTheMenuImportsWithTheDialogsMagnification) {
  dir.Write("Terrain.dxf", "0\nLINE\n10\n0.0\n20\n0.0\n11\n10.0\n21\n5.0\n0\nEOF\n");
  ChooseInFileDialog(dir.File("Terrain.dxf"));
  WhenModal<TDxf>([](TDxf& settings) {
    EXPECT_EQ("10.000", settings.Edit(4)->text().toStdString());
    settings.Edit(10)->setText("2");
    settings.Button2()->click();
  });
  Main_Frm->Item("Dxf")->trigger();
  ASSERT_EQ(2, PointCount);
  EXPECT_EQ(20.0, PointTable[1].X);  // 10 m magnified twice, rounded to millimetres: exact
  EXPECT_EQ(1, DataModified);
}

}  // namespace
}  // namespace selvana
