// The point table editor dialog (TXYT_Frm) and its one instance XYT_Frm: every point slot as a
// grid row of X and Y, previewed on the main view while it is edited and stored on OK.
#pragma once
#include "dialogs/table_form.h"

namespace selvana {

class TXYT_Frm : public PreviewTableForm {
  Q_OBJECT

 public:
  explicit TXYT_Frm(QWidget* parent = nullptr);

 protected:
  // Fills the grid from the point table and gives it the focus.
  void FormShow() override;
  // Stores the grid unless two rows coincide (then the dialog stays open).
  void OkClick() override;
};

// Created once at start-up; nullptr before.
extern TXYT_Frm* XYT_Frm;

}  // namespace selvana
