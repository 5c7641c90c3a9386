// The display settings dialog: its controls. What it shows, enables and stores is decided in
// forms/view_settings_form.
#include "dialogs/DispJkn.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "forms/view_settings_form.h"
#include "mainwin/form_sizes.h"

namespace selvana {

TDisp_Frm* Disp_Frm = nullptr;

namespace {

// The captions of CheckBox1 .. CheckBox18, in the order of the display switches.
constexpr const char* kSwitchCaptions[] = {
    "グリッド",     "表示項目の自動切り替え",
    "境界点名称",   "境界線",
    "不切線",       "円弧制限線",
    "円弧制限点",   "ブロック中心",
    "作図枠",       "すべり円中心",
    "すべり円/線",  "土質情報",
    "上載荷重",     "水平外力",
    "粘着力基準線", "矢板",
    "矢板受動土圧", "残留水位線",
};

}  // namespace

TDisp_Frm::TDisp_Frm(QWidget* parent) : FormDialog(kSlotDisp, "表示条件設定", parent) {
  QGridLayout* grid = nullptr;
  QGroupBox* items = FormGroup("表示項目", grid);
  int box = 1;
  for (const char* caption : kSwitchCaptions) {
    grid->addWidget(MakeCheckBox(box, caption), (box - 1) / 3, (box - 1) % 3);
    ++box;
  }
  AddRedNotes(grid, 6,
              {"※　画面に表示する項目を", "　　指定します。",
               "※　作業中のモードにより自動的に切り替えることができます。"},
              0, 3);

  QGroupBox* pitches = FormGroup("グリッド間隔", grid);
  AddEditRows(grid, {{0, "太線間隔", {1}, "ｍ"}, {1, "細線間隔", {2}, "ｍ"}});
  AddRedNotes(
      grid, 2,
      {"※　細線間隔≧太線間隔ならば太線は表示しません。", "※　間隔＝0.0ならグリッド表示はしない。",
       "※　太線グリッド上には座標値が表示されます。"},
      0, 3);

  QVBoxLayout* form = MakeFormLayout();
  form->addWidget(items);
  form->addWidget(pitches);
  AddAnswerRow(form);
  AddNumberEdits(kDispNumberEdits, 2);
}

void TDisp_Frm::FormShow() { ShowControls(FillDisplaySettings()); }

void TDisp_Frm::ApplyEnabling(FormControls& form) { ApplyDisplayEnabling(form); }

void TDisp_Frm::Store(const FormControls& form) { StoreDisplaySettings(form); }

}  // namespace selvana
