// OK of every dialog that refuses a value which reads as a number: the message is shown, the
// dialog stays open and the model keeps what it held.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <memory>

#include "dialogs/CalJkn.h"
#include "dialogs/CircJkn.h"
#include "dialogs/DrawJkn.h"
#include "dialogs/LNTbl.h"
#include "dialogs/LineJkn.h"
#include "dialogs/LineJkn2.h"
#include "dialogs/XYTbl.h"
#include "dialogs/YaitaJkn.h"
#include "model/project_model.h"
#include "support/scripted_message_box.h"

namespace selvana {
namespace {

template <class Dialog>
std::unique_ptr<Dialog> Shown() {
  auto dialog = std::make_unique<Dialog>();
  dialog->show();
  return dialog;
}

// A settings dialog shown with text typed into its edit n.
template <class Dialog>
std::unique_ptr<QDialog> TypedInto(int n, const char* text) {
  auto dialog = Shown<Dialog>();
  dialog->Edit(n)->setText(QString::fromUtf8(text));
  return dialog;
}

// A table dialog shown with texts typed into the cells of its first row.
template <class Dialog>
std::unique_ptr<QDialog> TypedRow(std::initializer_list<const char*> cells) {
  auto dialog = Shown<Dialog>();
  int col = 1;
  for (const char* cell : cells) dialog->StringGrid1()->SetCell(col++, 1, cell);
  return dialog;
}

struct OkRefusal {
  const char* dialog;
  std::unique_ptr<QDialog> (*typeRefused)();  // sets the model up, shows the dialog and types
  const char* message;                        // how the message starts
  double (*stored)();                         // where OK would store the refused value
};

const OkRefusal kRefusals[] = {
    {"計算条件設定: a negative surcharge", [] { return TypedInto<TCal_Frm>(5, "-1"); },
     "荷重(Xmin)「-1」は", [] { return cm.Surcharges.LoadAtXMin[0]; }},
    {"作図条件設定: one decimal of the safety factor", [] { return TypedInto<TDraw_Frm>(8, "1"); },
     "小数点以下桁数(安全率)「1」は", []() -> double { return DrawSettings.Decimals[0]; }},
    {"すべり円の設定: a centre step wider than its range",
     [] {
       CircleSettingsFor(cm.kt).CentreX = {0.0, 10.0, 1.0, 0.0};
       CircleSettingsFor(cm.kt).Radius = {5.0, 10.0, 1.0, 0.0};
       return TypedInto<TCirc_Frm>(5, "50");
     },
     "ピッチ　(ΔＸ)「50」は", [] { return CircleSettingsFor(cm.kt).CentreX[2]; }},
    {"すべり線の設定: an angle beyond the vertical", [] { return TypedInto<TLine_Frm>(9, "95"); },
     "角度範囲(αmin)「95」は", [] { return StraightSlipSettings.Range[0]; }},
    {"すべり線の設定 (segments): no number", [] { return TypedInto<TLine_Frm2>(3, "abc"); },
     "「abc」は数値ではありません。", [] { return StraightSlipSettings.PointX[0]; }},
    {"line table: an end that is no point",
     [] {
       return TypedRow<TLNT_Frm>({"1", "0", "1"});
     },
     "線分No0の始点No「0」は", []() -> double { return LineCount; }},
    {"point table: a coordinate beyond the model",
     [] {
       return TypedRow<TXYT_Frm>({"1e13", "0"});
     },
     "点No0のＸ (m)「1e13」では", []() -> double { return PointCount; }},
    {"sheet pile: a top below the toe",
     [] {
       auto dialog = Shown<TYT_Frm>();
       dialog->RadioButton(2)->click();
       dialog->Edit(2)->setText("-5");
       dialog->Edit(3)->setText("0");
       return std::unique_ptr<QDialog>(std::move(dialog));
     },
     "矢板天端高「-5」が", [] { return SheetPileSettings.TopElevation; }},
};

TEST(OkRefusals, TheMessageIsShownTheDialogStaysOpenAndNothingIsStored) {
  for (const OkRefusal& row : kRefusals) {
    SCOPED_TRACE(row.dialog);
    ResetProjectData();
    test::ScriptedMessageBox box;
    box.ExpectPrefix(row.message, "error");
    const std::unique_ptr<QDialog> dialog = row.typeRefused();
    const double before = row.stored();
    DataModified = 0;
    dialog->findChild<QPushButton*>("Button1")->click();
    EXPECT_EQ(box.shown(), 1);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(row.stored(), before);
    EXPECT_EQ(DataModified, 0);
  }
}

}  // namespace
}  // namespace selvana
