// The point input, block constants and parallel-line distance dialogs, typed into through their
// named controls: OK stores what was typed, reformatted edits included; Cancel stores nothing.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "dialogs/BlockSet.h"
#include "dialogs/PLine.h"
#include "dialogs/XYInput.h"
#include "editing/mouse_state.h"
#include "mainwin/form_sizes.h"
#include "model/project_model.h"
#include "support/scripted_message_box.h"

namespace selvana {
namespace {

// Replaces an edit's text as a user would and finishes it with Enter, which runs its exit.
void Type(QLineEdit* edit, const char* text) {
  edit->selectAll();
  QTest::keyClicks(edit, text);
  QTest::keyClick(edit, Qt::Key_Return);
}

TEST(PointInputDialog, TypedCoordinatesBecomeTheNewPoint) {
  PointTable[0] = PointRecord{0, 0.0, 0.0};
  PointCount = 1;
  MouseState.MouseMode = 200;
  MouseState.SelectedIndex = 1;
  TXY_Frm dialog;
  test::ScriptedMessageBox box;
  box.Expect(
      "Ｙ(ｍ)「-1e13」では座標が扱える範囲を超えてしまいます。Ｙ(ｍ)を入力し直してください。",
      "error");
  QTimer::singleShot(0, [&dialog] {
    EXPECT_EQ("   1", dialog.Edit1()->text().toStdString());
    EXPECT_FALSE(dialog.Edit1()->isEnabled());
    Type(dialog.Edit2(), "2.5");
    dialog.Edit3()->setText("-1e13");
    dialog.Button1()->click();  // beyond the coordinates the model holds: refused
    Type(dialog.Edit3(), "-1");
    EXPECT_EQ("    2.5000", dialog.Edit2()->text().toStdString());
    // Enter only finishes an edit: the dialog stays open and nothing is stored before OK.
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(1, PointCount);
    dialog.Button1()->click();
  });
  EXPECT_EQ(QDialog::Accepted, dialog.exec());
  EXPECT_EQ(2, PointCount);
  EXPECT_DOUBLE_EQ(2.5, PointTable[1].X);
  EXPECT_DOUBLE_EQ(-1.0, PointTable[1].Y);
  EXPECT_EQ(1, DataModified);
}

TEST(PointInputDialog, EachCoordinateEditShowsAWholeNumberAtTheDefaultSize) {
  ResetFormSizes();
  TXY_Frm dialog;
  dialog.show();
  for (QLineEdit* edit : {dialog.Edit2(), dialog.Edit3()}) {
    // The widest coordinate "%10.4f" gives, and the frame and margins an edit draws around it.
    const int needed = edit->fontMetrics().horizontalAdvance("-1234.5678") + 8;
    EXPECT_GE(edit->width(), needed) << edit->objectName().toStdString();
  }
}

TEST(BlockConstantsDialog, ANewBlockSwitchedToWaterKeepsItsUnitWeightOnly) {
  BlockTable[0] = BlockRecord{};
  BlockTable[0].Number = 0;
  BlockTable[0].UnitWeight = 9.876543;  // shown as 9.8765 and left alone
  BlockTable[0].Cohesion = 5.0;
  BlockCount = 1;
  MouseState.SelectedIndex = 0;
  TBlk_Frm dialog;
  test::ScriptedMessageBox box;  // no soil has such a friction angle; water has none
  box.Expect(
      "内部摩擦角　　φ「100.0000」は0以上、90未満でなければなりません。"
      "内部摩擦角　　φを入力し直してください。",
      "error");
  QTimer::singleShot(0, [&dialog] {
    EXPECT_TRUE(dialog.CheckBox(3)->isChecked());  // a new block opens as soil
    EXPECT_EQ("5.0000", dialog.Edit(4)->text().toStdString());
    Type(dialog.Edit(4), "7");  // leaving an edit reformats all nine
    Type(dialog.Edit(5), "100");
    dialog.Button1()->click();
    EXPECT_TRUE(dialog.isVisible());
    dialog.CheckBox(1)->click();
    EXPECT_FALSE(dialog.CheckBox(3)->isChecked());
    EXPECT_FALSE(dialog.Edit(4)->isEnabled());
    EXPECT_TRUE(dialog.RadioButton1()->isEnabled());
    dialog.RadioButton2()->click();
    dialog.Button1()->click();
  });
  EXPECT_EQ(QDialog::Accepted, dialog.exec());
  EXPECT_EQ(kBlockWeightWater, BlockTable[0].Kind);
  EXPECT_EQ(9.876543, BlockTable[0].UnitWeight);
  EXPECT_DOUBLE_EQ(0.0, BlockTable[0].Cohesion);
  EXPECT_EQ(2, BlockTable[0].FactorClass);  // item 1 shown for class 0
}

TEST(ParallelDistanceDialog, OkStoresTheTypedDistanceAndCancelKeepsIt) {
  ResetProjectData();
  TPLine_Frm dialog;
  QTimer::singleShot(0, [&dialog] {
    EXPECT_EQ("  1.000", dialog.Edit1()->text().toStdString());
    Type(dialog.Edit1(), "-2.34567");
    EXPECT_EQ(" -2.346", dialog.Edit1()->text().toStdString());
    dialog.Button1()->click();
  });
  EXPECT_EQ(QDialog::Accepted, dialog.exec());
  EXPECT_DOUBLE_EQ(-2.346, ParallelLineDistance);  // the value of the text at OK, no range check
  QTimer::singleShot(0, [&dialog] {
    EXPECT_EQ(" -2.346", dialog.Edit1()->text().toStdString());
    dialog.Edit1()->setText("7");
    dialog.Button2()->click();
  });
  EXPECT_EQ(QDialog::Rejected, dialog.exec());
  EXPECT_DOUBLE_EQ(-2.346, ParallelLineDistance);
  test::ScriptedMessageBox box;  // a text that is no number is refused, not stored as 0
  box.Expect("「1,5」は数値ではありません。数値を入力してください。", "error");
  box.Expect(
      "離れ距離「1e300」では座標が扱える範囲を超えてしまいます。離れ距離を入力し直してください。",
      "error");
  QTimer::singleShot(0, [&dialog] {
    for (const char* text : {"1,5", "1e300"}) {
      dialog.Edit1()->setText(text);
      dialog.Button1()->click();
      EXPECT_TRUE(dialog.isVisible());
    }
    dialog.Button2()->click();
  });
  EXPECT_EQ(QDialog::Rejected, dialog.exec());
  EXPECT_DOUBLE_EQ(-2.346, ParallelLineDistance);
  EXPECT_EQ(-1, DataModified);  // not project data
}

}  // namespace
}  // namespace selvana
