// Filling and reading the plain control state of the settings dialogs.
#include "forms/form_controls.h"

#include "model/project_model.h"
#include "model/set_if_changed.h"
#include "platform/typed_number.h"

namespace selvana {

void FillNumber(FormControls& form, int edit, double value, const char* format) {
  form.Shown[edit] = ShowNumber(value, format);
  form.Edit[edit] = form.Shown[edit].Text;
}

void FillText(FormControls& form, int edit, const std::string& cp932) {
  form.ShownTexts[edit] = ShowText(cp932);
  form.Edit[edit] = form.ShownTexts[edit].Text;
}

void CheckRadio(FormControls& form, std::initializer_list<int> group, int chosen) {
  for (int button : group) form.Radio[button] = button == chosen;
}

int SetEditNumberIfChanged(double& field, const FormControls& form, int edit) {
  return SetDoubleIfChanged(field, ShownOrTypedNumberOr(form.Edit[edit], form.Shown[edit], field));
}

int SetEditIntegerIfChanged(int& field, const FormControls& form, int edit) {
  return SetIntIfChanged(field, TypedIntegerOr(form.Edit[edit], field));
}

void FormChanges::StoreNumber(double& field, const FormControls& form, int edit) {
  Invalidate(SetEditNumberIfChanged(field, form, edit));
}

void FormChanges::Commit() const {
  if (Marked) MarkModified(Invalidated);
}

}  // namespace selvana
