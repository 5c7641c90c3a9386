// The wiring of the main window's commands to the file commands, the dialogs and the
// calculation.
#include "app/program_commands.h"

#include <QDesktopServices>
#include <QUrl>

#include "dialogs/AnswerTbl.h"
#include "dialogs/BlockSet.h"
#include "dialogs/CalJkn.h"
#include "dialogs/CircJkn.h"
#include "dialogs/DispJkn.h"
#include "dialogs/DrawJkn.h"
#include "dialogs/DxfSet.h"
#include "dialogs/LNTbl.h"
#include "dialogs/LineJkn.h"
#include "dialogs/LineJkn2.h"
#include "dialogs/NenTBL.h"
#include "dialogs/PAnzen.h"
#include "dialogs/PLine.h"
#include "dialogs/XYInput.h"
#include "dialogs/XYTbl.h"
#include "dialogs/YaitaJkn.h"
#include "dialogs/about.h"
#include "mainwin/calc_command.h"
#include "mainwin/help_command.h"
#include "mainwin/plot_command.h"
#include "mainwin/print_command.h"
#include "mainwin/qt/main_form.h"

namespace selvana {

QDialog* ProgramDialogs::Instance(ModalDialog dialog) {
  switch (dialog) {
    case ModalDialog::Cal: return Cal_Frm;
    case ModalDialog::Circ: return Circ_Frm;
    case ModalDialog::Line: return Line_Frm;
    case ModalDialog::Line2: return Line_Frm2;
    case ModalDialog::Draw: return Draw_Frm;
    case ModalDialog::Disp: return Disp_Frm;
    case ModalDialog::NenT: return NenT_Frm;
    case ModalDialog::YT: return YT_Frm;
    case ModalDialog::XYT: return XYT_Frm;
    case ModalDialog::LNT: return LNT_Frm;
    case ModalDialog::About: return AboutBox;
    case ModalDialog::XY: return XY_Frm;
    case ModalDialog::Ans: return Ans_Frm;
  }
  return nullptr;
}

bool ProgramDialogs::Has(ModalDialog dialog) const {
  const QDialog* window = Instance(dialog);
  return window && !window->findChildren<QWidget*>().isEmpty();
}

void ProgramDialogs::ShowModal(ModalDialog dialog) {
  if (QDialog* window = Instance(dialog)) window->exec();
}

bool ProgramEditorDialogs::ShowPointInput() {
  return XY_Frm && XY_Frm->exec() == QDialog::Accepted;
}

bool ProgramEditorDialogs::ShowBlockConstants() {
  return Blk_Frm && Blk_Frm->exec() == QDialog::Accepted;
}

bool ProgramEditorDialogs::ShowParallelDistance() {
  return PLine_Frm && PLine_Frm->exec() == QDialog::Accepted;
}

ProgramCommands::ProgramCommands(TMain_Frm& mainForm, TDxf& dxf, CalcProgress& progress,
                                 FileDialog* files)
    : qtFiles_(&mainForm),
      printer_(&mainForm),
      fileCommands_({files ? *files : qtFiles_, printer_, dxf, mainForm}),
      editor_(mainForm, editorDialogs_),
      mainForm_(mainForm) {
  // The import and export buttons of the dialogs ask through the file commands' dialog.
  FileDialog& dialogFiles = files ? *files : qtFiles_;
  if (YT_Frm) YT_Frm->UseFileDialog(dialogFiles);
  if (PA_Frm) PA_Frm->UseFileDialog(dialogFiles);
  CommandTable& table = mainForm.Commands();
  fileCommands_.Register(table);
  RegisterDialogOpeners(table, dialogs_);
  RegisterCalcCommand(table, progress);
  RegisterPrintCommand(table, [&mainForm] { mainForm.repaint(); });
  RegisterPlotCommand(table, [&mainForm] { mainForm.repaint(); });
  RegisterHelpCommand(table, [](const std::string& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
  });
  editor_.Register(table);
  mainForm.SetMouseHandler(&editor_);
}

ProgramCommands::~ProgramCommands() {
  if (Main_Frm == &mainForm_) mainForm_.SetMouseHandler(nullptr);
}

}  // namespace selvana
