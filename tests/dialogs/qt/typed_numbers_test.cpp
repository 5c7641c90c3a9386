// Numbers typed into the dialogs as a Japanese user types them: full-width text committed by the
// input method is stored as its number, and a text that is no number is refused on a real click
// on OK, whose press first takes the focus from the edit (and runs its exit handler).
#include <gtest/gtest.h>

#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <limits>
#include <string>

#include "dialogs/BlockSet.h"
#include "dialogs/CalJkn.h"
#include "dialogs/XYInput.h"
#include "dialogs/XYTbl.h"
#include "dialogs/YaitaJkn.h"
#include "editing/mouse_state.h"
#include "model/project_model.h"
#include "support/scripted_message_box.h"

namespace selvana {
namespace {

std::string Refusal(const char* typed) {
  return std::string("「") + typed + "」は数値ではありません。数値を入力してください。";
}

// Runs steps inside the dialog's modal loop once it is shown and active, so that clicks move
// the focus as they do for a user; returns the dialog's result.
int RunModal(QDialog& dialog, std::function<void()> steps) {
  QTimer::singleShot(0, [&dialog, steps = std::move(steps)] {
    dialog.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
    steps();
    if (dialog.isVisible()) dialog.reject();  // a step that failed leaves no loop behind
  });
  return dialog.exec();
}

bool IsAscii(const char* text) {
  for (const char* c = text; *c; ++c) {
    if (static_cast<unsigned char>(*c) >= 0x80) return false;
  }
  return true;
}

// Types into an editor that has the focus: half-width text key by key, anything else as the
// input method hands it over, one committed string.
void TypeKeys(QWidget* editor, const char* utf8) {
  if (IsAscii(utf8)) {
    QTest::keyClicks(editor, QString::fromUtf8(utf8));
    return;
  }
  QInputMethodEvent commit;
  commit.setCommitString(QString::fromUtf8(utf8));
  QApplication::sendEvent(editor, &commit);
}

// Replaces an edit's text as a user does: a click into it, its text selected, the new text.
void TypeInto(QLineEdit* edit, const char* utf8) {
  QTest::mouseClick(edit, Qt::LeftButton);
  ASSERT_TRUE(edit->hasFocus());
  edit->selectAll();
  TypeKeys(edit, utf8);
}

// A new project that is open: a redraw of a just-reset one would put its snapshot back.
void OpenProject() {
  ResetProjectData();
  DataModified = 0;
}

void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

TEST(TypedNumbers, BlockDialogRefusesASlipAndStoresFullWidthNumbers) {
  OpenProject();
  BlockTable[0] = BlockRecord{};
  BlockCount = 1;
  MouseState.SelectedIndex = 0;
  test::ScriptedMessageBox box;
  box.Expect(Refusal("abc"), "error");
  TBlk_Frm dialog;
  bool openAfterSlip = false;
  const int result = RunModal(dialog, [&] {
    TypeInto(dialog.Edit(1), "abc");
    Click(dialog.Button1());
    openAfterSlip = dialog.isVisible() && dialog.Edit(1)->text() == "abc";
    TypeInto(dialog.Edit(1), "１８");
    TypeInto(dialog.Edit(5), "３０．５");
    Click(dialog.Button1());
  });
  EXPECT_TRUE(openAfterSlip) << "the exit handler left the slip for OK to refuse";
  EXPECT_EQ(result, QDialog::Accepted);
  EXPECT_EQ(BlockTable[0].UnitWeight, 18.0);
  EXPECT_EQ(BlockTable[0].FrictionAngle, 30.5);
}

TEST(TypedNumbers, PointInputAddsTheFullWidthCoordinatesAndRefusesEmptyOnes) {
  OpenProject();
  PointTable[0] = PointRecord{0, 0.0, 0.0};
  PointCount = 1;
  MouseState.MouseMode = 200;
  MouseState.SelectedIndex = 1;
  test::ScriptedMessageBox box;
  box.Expect(Refusal(""), "error");
  TXY_Frm dialog;
  bool openWithoutY = false;
  const int result = RunModal(dialog, [&] {
    TypeInto(dialog.Edit2(), "５．５");
    Click(dialog.Button1());
    openWithoutY = dialog.isVisible();
    TypeInto(dialog.Edit3(), "－１０");
    Click(dialog.Button1());
  });
  EXPECT_TRUE(openWithoutY);
  EXPECT_EQ(result, QDialog::Accepted);
  EXPECT_EQ(PointCount, 2);
  EXPECT_EQ(PointTable[1].X, 5.5);
  EXPECT_EQ(PointTable[1].Y, -10.0);
}

TEST(TypedNumbers, ExitHandlerLeavesASlipForOkAndRewritesFullWidthText) {
  OpenProject();
  const double width = cm.SliceWidth;
  test::ScriptedMessageBox box;
  box.Expect(Refusal("0.O5"), "error");
  TCal_Frm dialog;
  bool slipKept = false;
  QString shown;
  const int result = RunModal(dialog, [&] {
    TypeInto(dialog.Edit(24), "0.O5");
    Click(dialog.Button(1));
    slipKept = dialog.isVisible() && dialog.Edit(24)->text() == "0.O5";
    EXPECT_EQ(cm.SliceWidth, width) << "nothing stored before the slip is mended";
    TypeInto(dialog.Edit(24), "０．０５");
    QTest::keyClick(dialog.Edit(24), Qt::Key_Tab);
    shown = dialog.Edit(24)->text();
    Click(dialog.Button(1));
  });
  EXPECT_TRUE(slipKept);
  EXPECT_EQ(shown, "0.0500");
  EXPECT_EQ(result, QDialog::Accepted);
  EXPECT_EQ(cm.SliceWidth, 0.05);
}

TEST(TypedNumbers, ADisabledEditWithAHugeValueDoesNotBlockOk) {
  OpenProject();
  cm.kt = kMethodBishop;  // greys out the seismic coefficient
  cm.SeismicCoefficient = std::numeric_limits<double>::max();
  test::ScriptedMessageBox box;  // no box expected
  TCal_Frm dialog;
  bool greyed = false;
  const int result = RunModal(dialog, [&] {
    greyed = !dialog.Edit(2)->isEnabled();
    Click(dialog.Button(1));
  });
  EXPECT_TRUE(greyed);
  EXPECT_EQ(result, QDialog::Accepted);
}

TEST(TypedNumbers, SheetPileEditsRefuseALetterAmongTheDigits) {
  OpenProject();
  SheetPileSettings.PileX = 3.0;
  test::ScriptedMessageBox box;
  box.Expect(Refusal("1O.5"), "error");
  TYT_Frm dialog;
  bool openAfterSlip = false;
  const int result = RunModal(dialog, [&] {
    TypeInto(dialog.Edit(1), "1O.5");
    Click(dialog.OkButton());
    openAfterSlip = dialog.isVisible() && dialog.Edit(1)->hasFocus();
    TypeInto(dialog.Edit(1), "１０．５");
    Click(dialog.OkButton());
  });
  EXPECT_TRUE(openAfterSlip);
  EXPECT_EQ(result, QDialog::Accepted);
  EXPECT_EQ(SheetPileSettings.PileX, 10.5);
}

// Opens the current cell's editor (F2) and types into it.
void TypeIntoCell(StringGrid* grid, int col, int row, const char* utf8) {
  grid->setFocus();
  grid->MoveTo(col, row);
  QTest::keyClick(grid, Qt::Key_F2);
  QWidget* editor = grid->indexWidget(grid->currentIndex());
  ASSERT_TRUE(editor);
  static_cast<QLineEdit*>(editor)->selectAll();
  TypeKeys(editor, utf8);
}

TEST(TypedNumbers, PointTableRefusesACellThatIsNoNumberAndReadsFullWidthOnes) {
  OpenProject();
  PointTable[0] = PointRecord{0, 0.0, -10.0};
  PointCount = 1;
  test::ScriptedMessageBox box;
  box.Expect(Refusal("－１Ｏ"), "error");
  TXYT_Frm dialog;
  bool slipSelected = false;
  const int result = RunModal(dialog, [&] {
    StringGrid* grid = dialog.StringGrid1();
    TypeIntoCell(grid, 2, 1, "－１Ｏ");
    Click(dialog.OkButton());
    slipSelected = dialog.isVisible() && grid->Col() == 2 && grid->Row() == 1;
    EXPECT_EQ(PointTable[0].Y, -10.0) << "the refused row stored nothing";
    TypeIntoCell(grid, 2, 1, "－１２．５");
    Click(dialog.OkButton());
  });
  EXPECT_TRUE(slipSelected);
  EXPECT_EQ(result, QDialog::Accepted);
  EXPECT_EQ(PointTable[0].Y, -12.5);
}

}  // namespace
}  // namespace selvana
