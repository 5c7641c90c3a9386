// Filling and reading the plain control state of the settings dialogs.
#include "forms/form_controls.h"

#include "model/project_model.h"
#include "model/set_if_changed.h"
#include "platform/number_format.h"
#include "platform/typed_number.h"

namespace selvana {

void FillNumber(FormControls& form, int edit, double value, const char* format) {
  form.Edit[edit] = StrFormat(format, value);
}

void CheckRadio(FormControls& form, std::initializer_list<int> group, int chosen) {
  for (int button : group) form.Radio[button] = button == chosen;
}

int SetEditNumberIfChanged(double& field, const FormControls& form, int edit) {
  return SetDoubleIfChanged(field, TypedNumberOr(form.Edit[edit], field));
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
