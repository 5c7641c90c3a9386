// The DXF terrain import settings dialog (TDxf) and its one instance Dxf: it shows what the
// import's first pass found, previews the data range for an origin shift and a magnification,
// and hands those back to the import or cancels it.
#pragma once
#include <array>

#include "dialogs/settings_form.h"
#include "forms/dxf_settings_form.h"
#include "model/dxf_settings_prompt.h"

class QLineEdit;
class QPushButton;

namespace selvana {

// The message (caption "error") when the magnification would collapse the terrain to a point.
inline constexpr char kDxfCollapseMessage[] =
    "倍率「%s」では地形が１点に縮まってしまいます。倍率を入力し直してください。";
// The message (caption "error") when an origin shift would collapse the terrain to a point.
inline constexpr char kDxfShiftCollapseMessage[] =
    "原点移動「%s」では地形が１点に縮まってしまいます。原点移動を入力し直してください。";
// The message (caption "error") when the magnification would place the terrain beyond what the
// program can handle.
inline constexpr char kDxfOverflowMessage[] =
    "倍率「%s」が大きすぎて座標が扱える範囲を超えてしまいます。倍率を入力し直してください。";
// The message (caption "error") when an origin shift would place the terrain beyond what the
// program can handle.
inline constexpr char kDxfShiftOverflowMessage[] =
    "原点移動「%s」が大きすぎて座標が扱える範囲を超えてしまいます。"
    "原点移動を入力し直してください。";

class TDxf : public SettingsForm, public DxfSettingsPrompt {
  Q_OBJECT

 public:
  explicit TDxf(QWidget* parent = nullptr);

  // Fills the edits from settings and shows the dialog modally. True after "読み込み", with
  // ShiftX, ShiftY and Magnification taken from Edit8 to Edit10; false after "取り消し" or
  // closing the window.
  bool Ask(DxfImportSettings& settings) override;

  // Edit1 .. Edit10 by number (1-based, as named).
  QLineEdit* Edit(int number) const { return edits_[number - 1]; }
  QPushButton* Button1() const { return button1_; }  // "試　　行"
  QPushButton* Button2() const { return button2_; }  // "読み込み"
  QPushButton* Button3() const { return button3_; }  // "取り消し"
  QPushButton* Button4() const { return button4_; }  // "元に戻す"

  // Preview: applies Edit8 to Edit10 to the raw range and shows it in Edit4 to Edit7. A
  // parameter that is no number, or one that places the terrain outside the range of
  // coordinates, gets a message and changes nothing.
  void Button1Click();
  // "読み込み": closes with the OK result when Edit8 to Edit10 hold numbers that neither place
  // the terrain outside the range of coordinates nor collapse it to a point; otherwise a
  // message naming the parameter to blame, and the dialog stays open.
  void Button2Click();
  // Reset: shift 0, magnification 1, and the raw range in Edit4 to Edit7 again.
  void Button4Click();

 protected:
  // Takes the raw range from Edit4 to Edit7 as the import has written them.
  void FormShow() override;

 private:
  void BuildControls();
  // The transform in Edit8 to Edit10, or nothing after telling the user which one is no number.
  std::optional<DxfTransform> ReadParameters();
  // True when the transform places the range the import found within the range of
  // coordinates; otherwise the first parameter that places it outside is refused.
  bool PlacesFoundRange(const DxfTransform& transform);
  // Tells why the parameter's edit is refused, with the message of a magnification or of a
  // shift (each holds one %s for the edit's text), and selects it; returns false.
  bool Refuse(DxfParameter parameter, const char* magnificationMessage, const char* shiftMessage);
  void ShowRange(const DxfRange& range);

  std::array<QLineEdit*, 10> edits_{};
  QPushButton* button1_ = nullptr;
  QPushButton* button2_ = nullptr;
  QPushButton* button3_ = nullptr;
  QPushButton* button4_ = nullptr;
  DxfRange raw_{};        // the range the import found, as its edits show it
  DxfRange found_{};      // the same range unrounded: what the import will place
  DxfTransform applied_;  // the last previewed or accepted parameters
};

// Created once at start-up; nullptr before.
extern TDxf* Dxf;

}  // namespace selvana
