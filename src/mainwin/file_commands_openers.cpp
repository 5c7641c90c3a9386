// The dialog openers of the settings, edit, calculation and help menus.
#include "mainwin/file_commands_openers.h"

#include "model/project_model.h"
#include "view/redraw_view.h"

namespace selvana {
namespace {

void RegisterOpener(CommandTable& table, ModalDialogs& dialogs, MainCommand command,
                    ModalDialog dialog, bool redraw = false) {
  if (!dialogs.Has(dialog)) return;
  table.Set(command, [&dialogs, dialog, redraw](int) {
    dialogs.ShowModal(dialog);
    if (redraw) RedrawView(kRedrawModel);
  });
}

}  // namespace

ModalDialog SearchSettingsDialog(int kt) {
  switch (kt) {
    case kMethodLineFromPoint: return ModalDialog::Line;
    case kMethodLineBetweenSegments: return ModalDialog::Line2;
    default: return ModalDialog::Circ;
  }
}

void RegisterDialogOpeners(CommandTable& table, ModalDialogs& dialogs) {
  RegisterOpener(table, dialogs, MainCommand::CalSet, ModalDialog::Cal);
  RegisterOpener(table, dialogs, MainCommand::DrawSet, ModalDialog::Draw);
  RegisterOpener(table, dialogs, MainCommand::DispSet, ModalDialog::Disp);
  RegisterOpener(table, dialogs, MainCommand::Nen, ModalDialog::NenT);
  RegisterOpener(table, dialogs, MainCommand::Yaita, ModalDialog::YT);
  RegisterOpener(table, dialogs, MainCommand::XYEdit, ModalDialog::XYT, true);
  RegisterOpener(table, dialogs, MainCommand::LNEdit, ModalDialog::LNT, true);
  RegisterOpener(table, dialogs, MainCommand::Kekka, ModalDialog::Ans);
  RegisterOpener(table, dialogs, MainCommand::VerDisp, ModalDialog::About);
  if (dialogs.Has(ModalDialog::Circ) || dialogs.Has(ModalDialog::Line) ||
      dialogs.Has(ModalDialog::Line2)) {
    table.Set(MainCommand::CirSet, [&dialogs](int) {
      const ModalDialog dialog = SearchSettingsDialog(cm.kt);
      if (dialogs.Has(dialog)) dialogs.ShowModal(dialog);
    });
  }
}

}  // namespace selvana
