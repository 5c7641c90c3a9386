// What a settings dialog's controls hold, addressed by the numbers in their names (Edit3 is
// Edit[3]): the dialog's FormShow fills it from the model, the window shows it, OK reads it back
// and stores it. Being plain data, the dialogs' rules run and are tested without a window.
#pragma once
#include <array>
#include <initializer_list>
#include <string>

#include "forms/shown_number.h"

namespace selvana {

struct FormControls {
  // One more than the highest control number of any dialog (Edit24, CheckBox18).
  static constexpr int kCount = 25;

  std::array<std::string, kCount> Edit{};  // texts as shown (UTF-8)
  std::array<bool, kCount> Check{};        // CheckBox<n> checked
  std::array<bool, kCount> Radio{};        // RadioButton<n> checked
  int UpDown = 0;                          // UpDown1 position
  int RadioGroup = 0;                      // RadioGroup1 item
  // What FillNumber showed in each edit, for OK to read an untouched edit as the exact value.
  std::array<ShownNumber, kCount> Shown{};
  // What FillText showed in each text edit, for OK to keep an untouched text's bytes.
  std::array<ShownText, kCount> ShownTexts{};

  // What the enabling rules leave enabled; everything until a rule says otherwise.
  std::array<bool, kCount> EditEnabled = AllOn();
  std::array<bool, kCount> CheckEnabled = AllOn();
  std::array<bool, kCount> ButtonEnabled = AllOn();

 private:
  static constexpr std::array<bool, kCount> AllOn() {
    std::array<bool, kCount> on{};
    on.fill(true);
    return on;
  }
};

// Fills an edit with a number in the given printf format ("%5.4f" unless a dialog says else)
// and remembers the number behind the text.
void FillNumber(FormControls& form, int edit, double value, const char* format = "%5.4f");

// Fills an edit with a model text (CP932) and remembers the bytes behind it.
void FillText(FormControls& form, int edit, const std::string& cp932);

// Checks the radio button chosen and unchecks the other buttons of its group.
void CheckRadio(FormControls& form, std::initializer_list<int> group, int chosen);

// Stores the number an edit holds into field through the set-if-changed helpers and returns
// their answer; an edit that still shows what FillNumber put there holds the number filled in,
// so it changes nothing. An edit that holds no number keeps the field: OK has refused such an
// enabled edit before storing, so this only decides a disabled one.
int SetEditNumberIfChanged(double& field, const FormControls& form, int edit);
int SetEditIntegerIfChanged(int& field, const FormControls& form, int edit);

// What the stores of one OK changed: any field marks the project modified; a field that feeds
// the calculation also invalidates the results.
struct FormChanges {
  bool Marked = false;
  bool Invalidated = false;

  // Records the result of a set-if-changed helper (1 changed, 0 not).
  void Mark(int changed) { Marked = Marked || changed != 0; }
  void Invalidate(int changed) {
    Mark(changed);
    Invalidated = Invalidated || changed != 0;
  }
  // Stores an edit's number into a field that feeds the calculation.
  void StoreNumber(double& field, const FormControls& form, int edit);
  // Hands the outcome to the model's flags: DataModified 1 on a change, CalcStatus 0 when
  // results were invalidated.
  void Commit() const;
};

}  // namespace selvana
