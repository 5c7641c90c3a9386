// The partial safety factors dialog.
#include "dialogs/PAnzen.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/dialog_controls.h"
#include "forms/pile_factor_form.h"
#include "forms/pile_factor_imports.h"
#include "mainwin/form_sizes.h"

namespace selvana {

TPA_Frm* PA_Frm = nullptr;

namespace {

StringGridLayout FactorGrid() {
  StringGridLayout layout;
  layout.Headers = {"　名　　称　", "部 分 係 数 "};
  layout.ColumnWidths = {80, 68};
  layout.DataRows = kFactorGridRows;
  layout.RowLabels.assign(kFactorRowNames.begin(), kFactorRowNames.end());
  layout.Display = ShowAsFactor;
  layout.WrapAtLastRow = true;
  layout.EscText = "1.0000";
  return layout;
}

}  // namespace

TPA_Frm::TPA_Frm(QWidget* parent)
    : TableForm(kSlotPA, "部分係数設定", FactorGrid(), parent, {"Button3", "設　　定"},
                {"Button4", "取り消し"}) {
  button1_ = NamedButton("Button1", "インポート");
  button2_ = NamedButton("Button2", "エクスポート");
  Side()->addWidget(button1_);
  Side()->addWidget(button2_);
  connect(button1_, &QPushButton::clicked, this, &TPA_Frm::Button1Click);
  connect(button2_, &QPushButton::clicked, this, &TPA_Frm::Button2Click);
}

void TPA_Frm::FormShow() {
  OkButton()->setFocus();
  factors_ = PartialFactors;
  FillFactorRows(*StringGrid1(), factors_);
  button2_->setEnabled(true);
}

void TPA_Frm::OkClick() {
  if (RefuseCell(RefusedFactorCell(*StringGrid1()))) return;
  StoreFactorRows(*StringGrid1());
  accept();
}

void TPA_Frm::Button1Click() {
  if (ImportPartialFactors(Files(), factors_)) FillFactorRows(*StringGrid1(), factors_);
}

void TPA_Frm::Button2Click() {
  if (!GridHoldsNumbers() || RefuseCell(RefusedFactorCell(*StringGrid1()))) return;
  ExportPartialFactors(Files(), *StringGrid1(), factors_);
}

}  // namespace selvana
