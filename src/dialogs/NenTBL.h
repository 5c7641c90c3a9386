// The cohesion reference line table dialog (TNenT_Frm) and its one instance NenT_Frm: the
// vertices of the line as grid rows of X and Y, stored sorted by X on OK.
#pragma once
#include "dialogs/table_form.h"

namespace selvana {

class TNenT_Frm : public TableForm {
  Q_OBJECT

 public:
  explicit TNenT_Frm(QWidget* parent = nullptr);

 protected:
  // Fills the grid from the cohesion reference line; the OK button gets the focus.
  void FormShow() override;
  // Stores the vertices and redraws the main view from the model.
  void OkClick() override;
};

// Created once at start-up; nullptr before.
extern TNenT_Frm* NenT_Frm;

}  // namespace selvana
