// What every settings dialog and table editor shares: one instance created at start-up, a
// sizeable border, centred on the screen once, the form font "ＭＳ Ｐゴシック" 12 px unless the
// dialog sets its own, and a size kept in its FormSizes slot (applied each time it is shown,
// stored back whenever the user resizes it).
#pragma once
#include <QDialog>

class QLineEdit;

namespace selvana {

class SettingsForm : public QDialog {
  Q_OBJECT

 public:
  // formSlot: the dialog's FormSizes slot; caption: its window title (UTF-8).
  SettingsForm(int formSlot, const char* caption, QWidget* parent = nullptr);

  int FormSlot() const { return formSlot_; }

 protected:
  // Fills the controls from the model when the dialog is shown; after the slot's size is applied.
  virtual void FormShow() {}

  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void ApplySlotSize();
  int formSlot_;
};

// Rewrites a numeric edit's text as a number with the given count of decimals, as every
// dialog's EditExit does.
void FormatNumberEdit(QLineEdit* edit, int decimals);

}  // namespace selvana
