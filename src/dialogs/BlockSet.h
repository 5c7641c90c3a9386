// The soil block constants dialog (TBlk_Frm) and its one instance Blk_Frm: the kind of block
// (soil, water acting as pressure or as weight, structure), its soil constants and its sand-pile
// constants, for block MouseState.SelectedIndex.
#pragma once
#include <array>

#include "dialogs/settings_form.h"
#include "forms/block_constants_form.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace selvana {

class TBlk_Frm : public SettingsForm {
  Q_OBJECT

 public:
  explicit TBlk_Frm(QWidget* parent = nullptr);

  // Edit1 .. Edit9 by number (1-based, as named).
  QLineEdit* Edit(int number) const { return edits_[number - 1]; }
  QCheckBox* CheckBox(int number) const { return checks_[number - 1]; }
  QRadioButton* RadioButton1() const { return radio1_; }
  QRadioButton* RadioButton2() const { return radio2_; }
  QComboBox* ComboBox1() const { return combo_; }
  QPushButton* Button1() const { return button1_; }

  // The kind boxes keep exactly one of them on, then CheckBoxClick.
  void CheckBox1Click();
  void CheckBox3Click();
  void CheckBox4Click();
  // The enabling from the boxes (also the sand-pile box's handler).
  void CheckBoxClick();
  // Reformats the nine edits with 4 decimals (a text that holds no number stays as typed).
  void EditExit();
  // "確　　定": refuses an enabled edit that holds no number; else stores and closes with OK.
  void Button1Click();

 protected:
  void FormShow() override;

 private:
  void BuildControls();
  BlockChoice Choice() const;
  void ApplyEnabling(const BlockEnabling& e);
  // Switches box `on` on and the two others off.
  void CheckOnly(QCheckBox* on);

  std::array<QLineEdit*, 9> edits_{};
  std::array<ShownNumber, 9> shown_{};  // the constants behind the edits' texts as filled
  std::array<QCheckBox*, 4> checks_{};
  QRadioButton* radio1_ = nullptr;
  QRadioButton* radio2_ = nullptr;
  QComboBox* combo_ = nullptr;
  QLabel* label19_ = nullptr;
  QLabel* label29_ = nullptr;
  QPushButton* button1_ = nullptr;
};

// Created once at start-up; nullptr before.
extern TBlk_Frm* Blk_Frm;

}  // namespace selvana
