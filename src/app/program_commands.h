// The program's menu commands behind the main window: the file menu on the Qt file and printer
// dialogs, the openers of the settings dialogs that are built, and the calculation run.
#pragma once
#include <QDialog>

#include "editing/mouse_editor.h"
#include "mainwin/file_commands.h"
#include "mainwin/file_commands_openers.h"
#include "platform/qt/qt_file_dialog.h"
#include "platform/qt/qt_printer_dialog.h"

namespace selvana {

class CalcProgress;
class TDxf;
class TMain_Frm;

// The settings dialogs and table editors created at start-up, shown modally. A dialog counts as
// built when it has controls: an empty window of its size stands in for one still to come, and
// its menu item stays without a command.
class ProgramDialogs : public ModalDialogs {
 public:
  bool Has(ModalDialog dialog) const override;
  void ShowModal(ModalDialog dialog) override;

  // The window of a dialog; nullptr when the program has none (yet).
  static QDialog* Instance(ModalDialog dialog);
};

// The point input and block constants dialogs, shown modally for the mouse editor.
class ProgramEditorDialogs : public EditorDialogs {
 public:
  bool ShowPointInput() override;
  bool ShowBlockConstants() override;
  bool ShowParallelDistance() override;
};

// Owns the file and printer dialogs, the file commands and the mouse editor, registers the file,
// dialog, calculation, edit and view commands into the main window's command table and sends
// the view's mouse to the editor. Create it once after the program's
// windows; mainForm, dxf and progress must outlive it, and it must outlive any run of a command.
class ProgramCommands {
 public:
  // files: the file dialog the file commands use; nullptr for the program's own Qt dialog.
  ProgramCommands(TMain_Frm& mainForm, TDxf& dxf, CalcProgress& progress,
                  FileDialog* files = nullptr);

  ~ProgramCommands();
  ProgramCommands(const ProgramCommands&) = delete;
  ProgramCommands& operator=(const ProgramCommands&) = delete;

 private:
  QtFileDialog qtFiles_;
  QtPrinterDialog printer_;
  ProgramDialogs dialogs_;
  FileCommands fileCommands_;
  ProgramEditorDialogs editorDialogs_;
  MouseEditor editor_;
  TMain_Frm& mainForm_;
};

}  // namespace selvana
