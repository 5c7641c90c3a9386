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

double EditNumber(const FormControls& form, int edit) { return TypedValue(form.Edit[edit]); }

int EditInteger(const FormControls& form, int edit) { return TypedInteger(form.Edit[edit]); }

void FormChanges::StoreNumber(double& field, const FormControls& form, int edit) {
  Invalidate(SetDoubleIfChanged(field, EditNumber(form, edit)));
}

void FormChanges::Commit() const {
  if (Marked) MarkModified(Invalidated);
}

}  // namespace selvana
