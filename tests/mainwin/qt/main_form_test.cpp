// The main window: its menus, buttons and panels as built, the menus that follow the model, the
// layout on resize, and the close with its save prompt.
#include "mainwin/qt/main_form.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QMenuBar>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <cctype>

#include "calc/progress/qt/Msg.h"
#include "calc/progress/qt/Stop.h"
#include "calc/progress/qt/qt_calc_progress.h"
#include "mainwin/drawing_menus.h"
#include "mainwin/form_sizes.h"
#include "mainwin/main_layout.h"
#include "mainwin/main_menu.h"
#include "mainwin/program_session.h"
#include "mainwin/qt/main_form_fixture.h"
#include "mainwin/qt/program_icon.h"
#include "model/project_model.h"
#include "support/scripted_message_box.h"
#include "view/qt/main_view_widget.h"

namespace selvana {
namespace {

using test::MainFormTest;
using test::ScriptedMessageBox;

std::string Text(const QAction& a) { return a.text().toStdString(); }

TEST_F(MainFormTest, MenuBarHoldsTheSevenMenusInOrder) {
  Open();
  std::vector<std::string> captions;
  for (QAction* menu : window->menuBar()->actions()) captions.push_back(Text(*menu));
  EXPECT_EQ(captions, (std::vector<std::string>{"ファイル(&F)", "設定(&S)", "表示(&D)", "編集(&E)",
                                                "計算(&C)", "作図(&Z)", "ヘルプ(&H)"}));
}

TEST_F(MainFormTest, EveryNamedItemCarriesItsCaption) {
  Open();
  int checked = 0;
  for (const MenuEntry& entry : MainMenuEntries()) {
    if (entry.Name.empty() || entry.Separator) continue;
    const std::string& n = entry.Name;  // K1, Y01, G1, F1, but not G1U
    const bool numbered = std::string("KYGF").find(n[0]) != std::string::npos &&
                          n.find_first_not_of("0123456789", 1) == std::string::npos;
    if (numbered) continue;  // captions that follow the model or the recent files
    EXPECT_EQ(Text(Item(entry.Name)), entry.Caption) << entry.Name;
    ++checked;
  }
  EXPECT_EQ(checked, 89);
  EXPECT_EQ(Text(Item("MainExit")), "終了(&X)");
  EXPECT_EQ(Text(Item("LDelZ")), "残留水位線(&Z)");
  EXPECT_EQ(Text(Item("G3B")), "矢線の後に配置(&B)");
  EXPECT_EQ(Text(Item("Fsize")), "ウィンドウサイズ→既定値(&W)");
}

TEST_F(MainFormTest, StartsWithItsCaptionPromptAndHiddenItems) {
  Open();
  EXPECT_EQ(window->windowTitle().toStdString(), "Selvana for Windows (無題)");
  EXPECT_EQ(window->Panel3()->text().toStdString(), kIdlePrompt);
  for (const char* hidden : {"F1", "F5", "N4", "CenSet", "ZHChk", "MZmnDraw", "Kaju", "YT"}) {
    EXPECT_FALSE(Item(hidden).isVisible()) << hidden;
  }
  EXPECT_FALSE(Item("Kekka").isEnabled());
  EXPECT_FALSE(Item("G1").isEnabled());
  EXPECT_EQ(DataModified, -1);
}

TEST_F(MainFormTest, ToolButtonsCarryTheirHints) {
  Open();
  EXPECT_EQ(window->Button("BitBtnOpen")->toolTip().toStdString(), "開く");
  EXPECT_EQ(window->Button("BitBtnSmall")->toolTip().toStdString(), "領域縮小");
  EXPECT_EQ(window->Button("BitBtnHelp")->text().toStdString(), "？");
  EXPECT_FALSE(window->Button("BitBtnXY")->isVisibleTo(window.get()));
  EXPECT_EQ(window->Button("BitBtnNew")->size(), QSize(26, 26));
}

TEST_F(MainFormTest, RecentFilesFromTheSettingsFileAppearInTheFileMenu) {
  dir.Write("DROVIK.ini", "/data/\r\n/data/A.SDW\r\n/data/B.SDW\r\n\r\n\r\n\r\n");
  Open();
  EXPECT_TRUE(Item("N4").isVisible());
  EXPECT_TRUE(Item("F1").isVisible());
  EXPECT_EQ(Text(Item("F1")), "/data/A.SDW (&1)");
  EXPECT_EQ(Text(Item("F2")), "/data/B.SDW (&2)");
  EXPECT_FALSE(Item("F3").isVisible());
}

TEST_F(MainFormTest, MenuCommandsReachTheCommandTable) {
  Open();
  int opened = -1;
  window->Commands().Set(MainCommand::F, [&](int index) { opened = index; });
  Item("F3").trigger();
  EXPECT_EQ(opened, 2);
  EXPECT_FALSE(window->Commands().Run(MainCommand::CalRun));  // not built yet: does nothing
}

TEST_F(MainFormTest, WindowSizeItemResetsTheSizesAtOnce) {
  Open();
  FormSizes[kSlotCal] = {1, 2, 3, 4};
  Item("Fsize").trigger();
  EXPECT_EQ(FormSizes[kSlotCal].Width, 777);
}

TEST_F(MainFormTest, PaintEnablesSettingsItemsByMethod) {
  Open();
  Item("CenSet").setVisible(true);  // a hidden action always reports itself disabled
  cm.kt = kMethodBishop;
  cm.CohesionRefMode = 0;
  window->FormPaint();
  EXPECT_FALSE(Item("Yaita").isEnabled());
  EXPECT_FALSE(Item("Nen").isEnabled());
  EXPECT_TRUE(Item("CenSet").isEnabled());
  cm.kt = kMethodLineBetweenSegments;
  cm.CohesionRefMode = 1;
  window->FormPaint();
  EXPECT_FALSE(Item("CenSet").isEnabled());
  EXPECT_TRUE(Item("Nen").isEnabled());
}

TEST_F(MainFormTest, ResultsShowTheDrawingMenuAndLoadItems) {
  Open();
  cm.Surcharges.LoadAtXMin[0] = cm.Surcharges.LoadAtXMax[0] = 10.0;
  SheetPileSettings.RowCount = 1;
  SheetPileSettings.Intensity[0] = 4.5;
  UpdateDrawingMenus(1);
  EXPECT_TRUE(Item("MZmnDraw").isVisible());
  EXPECT_TRUE(Item("Kekka").isEnabled());
  EXPECT_TRUE(Item("K1").isVisible());
  EXPECT_EQ(Text(Item("K1")), "(1B)  10.000");
  EXPECT_FALSE(Item("K2").isVisible());
  EXPECT_TRUE(Item("Y01").isVisible());
  EXPECT_EQ(Text(Item("Y01")), "   4.500");
  UpdateDrawingMenus(0);
  EXPECT_FALSE(Item("MZmnDraw").isVisible());
}

TEST_F(MainFormTest, ResizeLaysTheControlsOut) {
  Open();
  window->resize(1000, 700);
  window->show();
  window->FormResize();
  const QWidget* client = window->centralWidget();
  const MainLayout l = LayoutMainClient(client->width(), client->height());
  EXPECT_EQ(window->Image1()->geometry(), QRect(0, 32, l.Image1.Width, l.Image1.Height));
  EXPECT_EQ(window->ScrollBar2()->x(), client->width() - 20);
  EXPECT_EQ(window->Panel3()->y(), client->height() - 16);
}

TEST_F(MainFormTest, ResizeDuringACalculationKeepsThePicture) {
  Open().show();
  TMsg_Frm msg;
  TStop_Frm stop(&msg);
  Stop_Frm = &stop;
  QtCalcProgress progress(msg, stop);
  progress.Show();
  DataModified = 0;
  CalcStatus = 1;
  DisplaySwitches.fill(0);
  DisplaySwitches[kShowAutoSwitch] = 1;  // a redraw would load the preset of results
  window->FormResize();
  EXPECT_EQ(DisplaySwitches[kShowFrame], 0);
  progress.Hide();
  window->FormResize();
  EXPECT_EQ(DisplaySwitches[kShowFrame], 1);
  Stop_Frm = nullptr;
  DataModified = 0;
}

class RecordingMouse : public ViewMouseHandler {
 public:
  void MouseDown(const ViewMouse& m) override { downs.push_back(m); }
  void MouseMove(const ViewMouse&) override {}
  void MouseUp(const ViewMouse&) override { ++ups; }
  std::vector<ViewMouse> downs;
  int ups = 0;
};

TEST_F(MainFormTest, ViewClicksReachTheMouseHandlerInImagePixels) {
  Open().show();
  RecordingMouse mouse;
  window->SetMouseHandler(&mouse);
  QTest::mouseClick(window->Image1(), Qt::RightButton, Qt::ShiftModifier, QPoint(40, 30));
  ASSERT_EQ(mouse.downs.size(), 1u);
  EXPECT_EQ(mouse.downs[0].X, 40);
  EXPECT_EQ(mouse.downs[0].Y, 30);
  EXPECT_EQ(mouse.downs[0].Button, MouseButton::Right);
  EXPECT_TRUE(mouse.downs[0].Shift);
  EXPECT_EQ(mouse.ups, 1);
  window->SetMouseHandler(nullptr);
}

TEST_F(MainFormTest, PortSetsCaptionPanelsAndCoordinateButton) {
  Open().show();
  MainWindowPort& port = *window;
  port.SetCaption(MainCaption("堤防"));
  port.SetPrompt("移動する点をマウス(左)で選択してください。");
  port.SetReadout("X=1.000");
  port.SetXYButtonVisible(true);
  EXPECT_EQ(window->windowTitle().toStdString(), "Selvana for Windows (堤防)");
  EXPECT_EQ(window->Panel3()->text().toStdString(), "移動する点をマウス(左)で選択してください。");
  EXPECT_EQ(window->Panel2()->text().toStdString(), "X=1.000");
  EXPECT_TRUE(window->Button("BitBtnXY")->isVisible());
}

TEST_F(MainFormTest, CarriesTheProgramsOwnIcon) {
  Open().show();
  EXPECT_EQ(window->windowIcon().pixmap(32, 32).toImage(), ProgramIcon().pixmap(32, 32).toImage());
}

TEST_F(MainFormTest, ReadoutIsWideEnoughForItsWidestText) {
  Open().show();
  window->FormResize();
  MainWindowPort& port = *window;
  port.SetReadout("X=-1234.567 Y=-1234.567");
  const QLabel& readout = *window->Panel2();
  EXPECT_LE(readout.sizeHint().width(), readout.width());
  EXPECT_LT(window->Panel3()->geometry().right(), readout.x());  // the prompt stays clear of it
}

TEST_F(MainFormTest, ClosingAnUnchangedProjectAsksNothing) {
  Open().show();
  DataModified = 0;
  EXPECT_TRUE(window->close());
  EXPECT_TRUE(FileExists(dir.File("DROVIK.ini")));
}

TEST_F(MainFormTest, ClosingAChangedProjectAsksAndCancelKeepsItOpen) {
  Open().show();
  DataModified = 1;
  ScriptedMessageBox box;
  box.Expect(kCloseQuestion, "確認", MsgAnswer::Cancel);
  EXPECT_FALSE(window->close());
  EXPECT_TRUE(window->isVisible());
  EXPECT_FALSE(FileExists(dir.File("DROVIK.ini")));
}

TEST_F(MainFormTest, ExitItemClosesThroughThePrompt) {
  Open().show();
  DataModified = 1;
  ScriptedMessageBox box;
  box.Expect(kCloseQuestion, "確認", MsgAnswer::No);
  Item("MainExit").trigger();
  EXPECT_FALSE(window->isVisible());
  EXPECT_TRUE(FileExists(dir.File("DROVIK.ini")));
  EXPECT_EQ(DataModified, -1);
}

}  // namespace
}  // namespace selvana
