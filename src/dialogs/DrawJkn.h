// The drawing settings dialog (TDraw_Frm) and its one instance Draw_Frm: paper size, scale,
// arrow lengths, text sizes, the grid orders whose safety factors are drawn, decimals, the
// zero-C/φ switch and where the soil constants go. It never invalidates the results.
#pragma once
#include "dialogs/form_dialog.h"

namespace selvana {

class TDraw_Frm : public FormDialog {
  Q_OBJECT

 public:
  explicit TDraw_Frm(QWidget* parent = nullptr);

  QLabel* Label36() const { return label36_; }

 protected:
  void FormShow() override;
  std::optional<EditRefusal> RefusedValue(const FormControls& form) const override;
  void Store(const FormControls& form) override;

 private:
  QLayout* SizeGroups();
  QLayout* SwitchGroups();
  QWidget* SoilGroup();
  void CheckBox5Click(bool checked);

  QLabel* label36_ = nullptr;
};

// Created once at start-up; nullptr before.
extern TDraw_Frm* Draw_Frm;

}  // namespace selvana
