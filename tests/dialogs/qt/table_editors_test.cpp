// The table editors with their windows on the offscreen platform: typing into the grids with
// Enter and Esc, OK storing what was typed, and the file buttons filling only the dialog.
#include <gtest/gtest.h>

#include <QFont>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyledItemDelegate>
#include <QtTest/QTest>
#include <tuple>
#include <utility>
#include <vector>

#include "dialogs/LNTbl.h"
#include "dialogs/PAnzen.h"
#include "dialogs/XYTbl.h"
#include "dialogs/YaitaJkn.h"
#include "forms/pile_factor_form.h"
#include "forms/table_editor_form.h"
#include "mainwin/file_commands_fakes.h"
#include "mainwin/form_sizes.h"
#include "model/project_model.h"
#include "platform/program_folders.h"
#include "support/scripted_message_box.h"
#include "support/temp_folder.h"

namespace selvana {
namespace {

// Keys go where the user's would: into the open cell editor, or to the grid.
void Key(StringGrid* grid, int key, const QString& text = {}) {
  QWidget* editor = grid->indexWidget(grid->currentIndex());
  QTest::sendKeyEvent(QTest::Click, editor ? editor : grid, static_cast<Qt::Key>(key), text,
                      Qt::NoModifier);
}

void Type(StringGrid* grid, const char* text) {
  for (const char* c = text; *c; ++c) Key(grid, *c == '.' ? int{Qt::Key_Period} : *c, QString(*c));
}

TEST(PointTableDialog, TypedRowsAreStoredAndEscEmptiesARow) {
  TXYT_Frm dialog;
  dialog.show();
  StringGrid* grid = dialog.StringGrid1();
  EXPECT_EQ(ViewPorts.PointTableGrid, grid) << "the preview reads this grid";
  grid->MoveTo(1, 1);
  Type(grid, "5.5");
  Key(grid, Qt::Key_Return);
  EXPECT_EQ(grid->Col(), 2);
  Type(grid, "7");
  Key(grid, Qt::Key_Return);
  EXPECT_EQ(grid->Row(), 2);
  EXPECT_EQ(grid->Col(), 1);
  Type(grid, "1");
  Key(grid, Qt::Key_Return);
  Type(grid, "2");
  Key(grid, Qt::Key_Escape);
  EXPECT_EQ(grid->Cell(1, 2), "") << "Esc empties the row";
  grid->MoveTo(2, kPointGridRows);
  Key(grid, Qt::Key_Return);
  EXPECT_EQ(grid->Row(), kPointGridRows) << "the last row keeps the cursor";
  dialog.OkButton()->click();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(PointCount, 1);
  EXPECT_DOUBLE_EQ(PointTable[0].X, 5.5);
  EXPECT_DOUBLE_EQ(PointTable[0].Y, 7.0);
}

TEST(TableDialogs, OnlyThePointTableHighlightsTheCellEnterMovesTo) {
  TXYT_Frm points;
  TLNT_Frm lines;
  const std::pair<StringGrid*, int> cases[] = {{points.StringGrid1(), 1}, {lines.StringGrid1(), 0}};
  for (const auto& [grid, selections] : cases) {
    grid->MoveTo(1, 1);
    QSignalSpy selected(grid, &StringGrid::CellSelected);
    Key(grid, Qt::Key_Return);
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(selected.count(), selections) << grid->window()->windowTitle().toStdString();
  }
}

TEST(TableDialogs, HelpAndPanelLabelsCarryTheirNames) {
  TXYT_Frm points;
  TLNT_Frm lines;
  const std::tuple<QDialog*, const char*, const char*> cases[] = {
      {&points, "Label4", "Esc   :座標を削除"},
      {&points, "Label20", "F2    :編集モード"},
      {&points, "Label10", "ＸＹの一方が空"},
      {&lines, "Label21", "7:残留水位線"}};
  for (const auto& [dialog, name, text] : cases) {
    const auto* label = dialog->findChild<QLabel*>(name);
    EXPECT_EQ(label ? label->text().toStdString() : "missing", text) << name;
  }
}

// A typed value as its cell shows it, at the grid's own column width.
struct ShownCell {
  const char* editor;
  StringGrid* grid;
  int col;
  const char* text;
};

TEST(TableDialogs, ShownValuesFitTheirColumns) {
  TXYT_Frm points;
  TLNT_Frm lines;
  TPA_Frm factors;
  const ShownCell cases[] = {
      {"point table", points.StringGrid1(), 1, "-1234.5678"},
      {"line table, kind", lines.StringGrid1(), 1, "7"},
      {"line table, end", lines.StringGrid1(), 3, "999"},
      {"partial factors", factors.StringGrid1(), 1, "12.5"},
  };
  for (const ShownCell& c : cases) {
    c.grid->SetCell(c.col, 1, c.text);
    const int column = c.col - 1;  // the model has no column of row numbers
    const QModelIndex cell = c.grid->model()->index(0, column);
    const auto* delegate = static_cast<QStyledItemDelegate*>(c.grid->itemDelegate());
    const QString shown = delegate->displayText(cell.data(), QLocale::c());
    // The style draws a margin of a few pixels on each side of the text.
    const int needed = c.grid->fontMetrics().horizontalAdvance(shown) + 6;
    EXPECT_LE(needed, c.grid->columnWidth(column))
        << c.editor << ": '" << shown.toStdString() << "'";
  }
}

TEST(PartialFactorDialog, EnterWrapsToTheFirstRowAndEscResetsTheFactor) {
  TPA_Frm dialog;
  dialog.show();
  StringGrid* grid = dialog.StringGrid1();
  EXPECT_EQ(grid->Cell(0, 8), "摩擦力 tanφ");
  grid->MoveTo(1, kFactorGridRows);
  Key(grid, Qt::Key_Return);
  EXPECT_EQ(grid->Row(), 1);
  Type(grid, "3");
  Key(grid, Qt::Key_Escape);
  EXPECT_EQ(grid->Cell(1, 1), "1.0000");
}

TEST(PartialFactorDialog, ExportRefusesASlipAsOkDoesAndWritesNothing) {
  test::ScriptedFileDialog files;  // no file is asked for
  test::ScriptedMessageBox box;
  box.Expect("「1.2x」は数値ではありません。数値を入力してください。", "error");
  TPA_Frm dialog;
  dialog.UseFileDialog(files);
  dialog.show();
  dialog.StringGrid1()->SetCell(1, 4, "1.2x");
  dialog.Button2()->click();
  EXPECT_EQ(dialog.StringGrid1()->Row(), 4) << "the slip is the current cell";
}

TEST(SheetPileDialog, AnImportReachesTheModelOnlyThroughOk) {
  test::TempFolder folder;
  folder.Write("EXP_ENK1.DAT", "3.0\r\n-2.0\r\n150.0\r\n0.5\r\n2.0,10.0\r\n-4.0,40.0\r\n");
  const std::string dataDir = DataDir, current = CurrentDirectory();
  DataModified = 0;  // an open project: a redraw of a just-reset one puts the snapshot back
  SheetPileSettings.PileX = 8.0;
  test::ScriptedFileDialog files;
  files.Answer(folder / "EXP_ENK1.DAT").Answer(folder / "EXP_ENK1.DAT");
  TYT_Frm dialog;
  dialog.UseFileDialog(files);
  dialog.show();
  dialog.Edit(1)->setText("7.5");
  dialog.Button3()->click();
  EXPECT_EQ(dialog.Edit(1)->text(), "7.5") << "the file carries no pile X";
  EXPECT_EQ(dialog.StringGrid1()->Cell(1, 2), "   -4.0000");
  dialog.CancelButton()->click();
  EXPECT_DOUBLE_EQ(SheetPileSettings.PileX, 8.0);
  EXPECT_EQ(SheetPileSettings.RowCount, 0);

  dialog.show();
  dialog.Button3()->click();
  dialog.OkButton()->click();
  EXPECT_EQ(SheetPileSettings.RowCount, 2);
  EXPECT_DOUBLE_EQ(SheetPileSettings.PileX, 8.0);
  EXPECT_DOUBLE_EQ(SheetPileSettings.Elevation[1], -2.0) << "cut at the toe";
  EXPECT_DOUBLE_EQ(SheetPileSettings.Intensity[1], 30.0);
  EXPECT_EQ(DataDir, folder.Dir());
  DataDir = dataDir;
  ChangeDirectory(current);
}

// The line table's kind column (30 px) is narrower than its "%4d" texts in a desktop's font.
TEST(LineTableDialog, KindsStayReadableInTheirNarrowColumn) {
  for (int p = 0; p < 3; ++p) PointTable[p] = {p, 1.0 * p, 0.0};
  PointCount = LineCount = 3;
  LineTable[0] = {kLineBoundary, 0, 1, 1};  // its row holds the cursor
  LineTable[1] = {kLineUncut, 1, 2, 1};
  LineTable[2] = {kLineResidualWater, 0, 2, 1};
  TLNT_Frm dialog;
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  StringGrid* grid = dialog.StringGrid1();
  QFont font = grid->font();
  font.setPixelSize(16);
  grid->setFont(font);
  const QImage picture = grid->viewport()->grab().toImage();
  const auto kind = [&](int row) {
    return picture.copy(grid->visualRect(grid->model()->index(row, 0)));
  };
  EXPECT_NE(kind(1), kind(2)) << "kind 2 and kind 7 look alike";
}

// A line end is a point number: one beyond int is refused on OK, never taken as a freed row.
TEST(LineTableDialog, OkRefusesAnEndBeyondInt) {
  LineTable[0] = {kLineBoundary, 0, 1, 1};
  LineCount = 1;
  test::ScriptedMessageBox box;
  box.Expect("「3e9」は扱える範囲を超えた数値です。範囲内の数値を入力してください。", "error");
  TLNT_Frm dialog;
  dialog.show();
  dialog.StringGrid1()->SetCell(3, 1, "3e9");
  dialog.OkButton()->click();
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(LineTable[0].Kind, kLineBoundary);
}

// At its slot's size the sheet-pile dialog shows its pile mode and values whole.
TEST(SheetPileDialog, ItsInputsKeepTheirHeightAtTheSlotSize) {
  ResetFormSizes();
  TYT_Frm dialog;
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  std::vector<QWidget*> inputs = {dialog.findChild<QWidget*>("RadioButton1")};
  for (int i = 1; i <= 6; ++i) inputs.push_back(dialog.Edit(i));
  for (QWidget* input : inputs) {
    EXPECT_GE(input->height(), input->minimumSizeHint().height())
        << input->objectName().toStdString();
  }
}

}  // namespace
}  // namespace selvana
