// A settings dialog whose controls are named by number (Edit3, CheckBox2, RadioButton5,
// Button4) and map onto FormControls: FormShow shows what a plain fill function gives, every
// click re-applies the enabling rules, EditExit reformats the numeric edits, and OK (Button1)
// stores through a plain store function once the project file can hold every text edit's text
// and every numeric edit holds a number.
#pragma once
#include <array>
#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

#include "dialogs/dialog_controls.h"
#include "dialogs/settings_form.h"
#include "forms/edit_refusal.h"
#include "forms/form_controls.h"

class QCheckBox;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QVBoxLayout;

namespace selvana {

class FormDialog : public SettingsForm {
  Q_OBJECT

 public:
  FormDialog(int formSlot, const char* caption, QWidget* parent = nullptr);

  // The controls by the numbers in their names; nullptr where the dialog has none.
  QLineEdit* Edit(int n) const { return edits_[n]; }
  QCheckBox* CheckBox(int n) const { return checks_[n]; }
  QRadioButton* RadioButton(int n) const { return radios_[n]; }
  QPushButton* Button(int n) const { return buttons_[n]; }

  // The control state, with the numbers the last ShowControls filled in behind their texts.
  FormControls ReadControls() const;
  void ShowControls(const FormControls& form);

  // Reformats every numeric edit with its decimals, whichever one was left.
  void EditExit();
  // OK: a text edit whose text the project file cannot hold, or else an enabled numeric edit that
  // holds no number, or else a value the dialog's rules refuse (RefusedValue), gets a message
  // and keeps the dialog open; otherwise stores, redraws the view and closes with the OK result.
  void Button1Click();

 protected:
  // Creation of the named controls; each is remembered under its number.
  QLineEdit* MakeEdit(int n);
  QCheckBox* MakeCheckBox(int n, const char* caption);
  QRadioButton* MakeRadioButton(int n, const char* caption);
  QPushButton* MakeButton(int n, const char* caption);
  // The layout of a search settings dialog: the row "検討方法" with Edit1, the groups, the
  // answer row; its numeric edits show 4 decimals. Edit1 shows the method name and never takes
  // the focus, so the name cannot be edited.
  void LayOutSearchForm(std::initializer_list<QWidget*> groups,
                        std::initializer_list<int> numberEdits);
  // The up-down control UpDown1 (positions lo..hi) and the two-item RadioGroup1.
  QSpinBox* MakeUpDown(int lo, int hi);
  QGroupBox* MakeRadioGroup(const char* caption, const char* item0, const char* item1);
  // Rows of a group's grid, each from a column on: a label, up to three numbered edits side by
  // side (0: none), and a unit (rich text) after them.
  struct EditRow {
    int row;
    const char* label;
    std::array<int, 3> edits;
    const char* unit = nullptr;
    int column = 0;
  };
  void AddEditRows(QGridLayout* grid, std::initializer_list<EditRow> rows);
  // Numbered radio buttons one under the other from row 0 of a column.
  struct Choice {
    int number;
    const char* caption;
  };
  void AddRadioButtons(QGridLayout* grid, std::initializer_list<Choice> buttons, int column = 0);
  // The dialog's own layout, tight as the fixed forms placed their controls, with Button1
  // "確　　定" and Button2 "取り消し" right-aligned at its bottom once the groups are added.
  QVBoxLayout* MakeFormLayout();
  void AddAnswerRow(QVBoxLayout* form);

  // Numeric edits that EditExit reformats with the given decimals.
  void AddNumberEdits(std::initializer_list<int> edits, int decimals);
  // Whole-number edits (counts), checked on OK only.
  void AddIntegerEdits(std::initializer_list<int> edits);
  // An edit whose text goes into the project file; OK refuses a text the file cannot hold with
  // `message`, a format that names its first character the file cannot hold.
  void AddFileTextEdit(int edit, const char* message);

  // The dialog's enabling rules on the control state; none by default.
  virtual void ApplyEnabling(FormControls&) {}
  // The first value OK refuses once every numeric edit holds a number; none by default.
  virtual std::optional<EditRefusal> RefusedValue(const FormControls&) const {
    return std::nullopt;
  }
  // OK's stores, in the dialog's order.
  virtual void Store(const FormControls& form) = 0;

 private:
  // Reads the controls, applies the enabling rules and shows the enabled states.
  void Refresh();

  std::array<QLineEdit*, FormControls::kCount> edits_{};
  std::array<QCheckBox*, FormControls::kCount> checks_{};
  std::array<QRadioButton*, FormControls::kCount> radios_{};
  std::array<QPushButton*, FormControls::kCount> buttons_{};
  QSpinBox* upDown_ = nullptr;
  std::array<QRadioButton*, 2> radioGroup_{};
  std::array<ShownNumber, FormControls::kCount> shown_{};
  std::array<ShownText, FormControls::kCount> shownTexts_{};
  struct NumberEdit {
    int Number;
    int Decimals;  // what EditExit formats; -1: left as typed
    TypedKind Kind;
  };
  std::vector<NumberEdit> numberEdits_;
  std::vector<std::pair<int, const char*>> fileTextEdits_;  // edit number, refusal message
};

// Layout helpers of the dialogs: a plain label and a titled group with a grid.
QLabel* FormLabel(const char* text);
QGroupBox* FormGroup(const char* caption, QGridLayout*& grid);
// Red notes one under the other from firstRow, each spanning span columns from column.
void AddRedNotes(QGridLayout* grid, int firstRow, std::initializer_list<const char*> notes,
                 int column = 0, int span = 1);

}  // namespace selvana
