// The straight-slip settings dialog of method 5: its controls. What it shows and stores is
// decided in forms/search_settings_form.
#include "dialogs/LineJkn2.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>

#include "forms/search_settings_form.h"
#include "mainwin/form_sizes.h"

namespace selvana {

TLine_Frm2* Line_Frm2 = nullptr;

TLine_Frm2::TLine_Frm2(QWidget* parent)
    : FormDialog(kSlotLine2, "すべり線の設定－直線すべり法(2)", parent) {
  QGridLayout* grid = nullptr;
  QGroupBox* start = FormGroup("すべり開始点の設定", grid);
  AddEditRows(grid, {{0, "開始点位置１(Ｘ)", {3}, "ｍ"},
                     {0, "開始点位置１(Ｙ)", {4}, "ｍ", 3},
                     {1, "開始点位置２(Ｘ)", {5}, "ｍ"},
                     {1, "開始点位置２(Ｙ)", {6}, "ｍ", 3},
                     {2, "開始点ピッチ(Ｙ)", {7}, "ｍ", 3}});

  QGroupBox* end = FormGroup("すべり終了点の設定", grid);
  AddEditRows(grid, {{0, "終了点位置１(Ｘ)", {8}, "ｍ"},
                     {0, "終了点位置１(Ｙ)", {9}, "ｍ", 3},
                     {1, "終了点位置２(Ｘ)", {10}, "ｍ"},
                     {1, "終了点位置２(Ｙ)", {11}, "ｍ", 3},
                     {2, "終了点ピッチ(Ｙ)", {12}, "ｍ", 3}});

  QGroupBox* force = FormGroup("水平外力作用位置の設定", grid);
  AddEditRows(grid, {{0, "作用位置 (Ｘ)", {2}, "ｍ"}});

  QGroupBox* passes = FormGroup("すべり開始・終了点の２次分割", grid);
  grid->addWidget(MakeCheckBox(1, "最小安全率のすべり点の前後をピッチを1/10にして再検討"), 0, 0);

  LayOutSearchForm({start, end, force, passes}, kLine2NumberEdits);
}

void TLine_Frm2::FormShow() {
  setWindowTitle(QString::fromUtf8("すべり線の設定－直線すべり法（２）"));
  ShowControls(FillLineBetweenSegments());
}

void TLine_Frm2::Store(const FormControls& form) { StoreLineBetweenSegments(form); }

}  // namespace selvana
