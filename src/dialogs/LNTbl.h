// The line table editor dialog (TLNT_Frm) and its one instance LNT_Frm: every line slot as a
// grid row of kind and end points, previewed on the main view while it is edited and stored on
// OK.
#pragma once
#include "dialogs/table_form.h"

namespace selvana {

class TLNT_Frm : public PreviewTableForm {
  Q_OBJECT

 public:
  explicit TLNT_Frm(QWidget* parent = nullptr);

 protected:
  // Fills the grid from the line table and gives it the focus.
  void FormShow() override;
  void OkClick() override;
};

// Created once at start-up; nullptr before.
extern TLNT_Frm* LNT_Frm;

}  // namespace selvana
