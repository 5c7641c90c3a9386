// The calculation conditions dialog (TCal_Frm) and its one instance Cal_Frm: title, method,
// surcharges, horizontal forces, seismic coefficient, safety factor limits, slice width,
// sand-pile formula, layout of the safety-factor table and the cohesion reference. Its buttons
// open the cohesion reference line, sheet pile and partial factor dialogs.
#pragma once
#include "dialogs/form_dialog.h"

namespace selvana {

class TCal_Frm : public FormDialog {
  Q_OBJECT

 public:
  explicit TCal_Frm(QWidget* parent = nullptr);

  QLabel* Label38() const { return label38_; }
  QLabel* Image1() const { return image1_; }

 protected:
  void FormShow() override;
  void ApplyEnabling(FormControls& form) override;
  std::optional<EditRefusal> RefusedValue(const FormControls& form) const override;
  void Store(const FormControls& form) override;

 private:
  QWidget* MethodGroup();
  QWidget* SurchargeGroup();
  QWidget* ForceGroup();
  QWidget* SandPileGroup();
  QWidget* TableFormatGroup();
  QWidget* CohesionGroup();
  QWidget* SliceGroup();
  QWidget* OtherGroup();
  // Keeps the title within what the model can hold.
  void Edit1Change(const QString& text);
  void CheckBox5Click(bool checked);
  void UpDown1Click(int position);

  QLabel* label38_ = nullptr;
  QLabel* image1_ = nullptr;
};

// Created once at start-up; nullptr before.
extern TCal_Frm* Cal_Frm;

}  // namespace selvana
