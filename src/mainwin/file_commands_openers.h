// The menu items that only open a settings dialog or table editor modally; each dialog does its
// own storing. The windows are reached through ModalDialogs, so the rules (which dialog the
// search-settings item opens, the redraw after the table editors) run without a toolkit.
#pragma once
#include "editing/main_commands.h"

namespace selvana {

enum class ModalDialog {
  Cal,    // TCal_Frm, calculation conditions
  Circ,   // TCirc_Frm, slip-circle search settings
  Line,   // TLine_Frm, slip lines from a start point (method 3)
  Line2,  // TLine_Frm2, slip lines between two segments (method 5)
  Draw,   // TDraw_Frm, drawing settings
  Disp,   // TDisp_Frm, display settings
  NenT,   // TNenT_Frm, cohesion reference line
  YT,     // TYT_Frm, sheet pile
  XYT,    // TXYT_Frm, point table
  LNT,    // TLNT_Frm, line table
  Ans,    // TAns_Frm, result window
  About,  // TAboutBox, version box
  XY,     // TXY_Frm, point input
};

class ModalDialogs {
 public:
  virtual ~ModalDialogs() = default;
  // True when the program has this dialog built.
  virtual bool Has(ModalDialog dialog) const = 0;
  // Shows the dialog modally and returns when it is closed.
  virtual void ShowModal(ModalDialog dialog) = 0;
};

// The dialog of "すべり円/線設定(&C)" for a method code: TLine_Frm for 3, TLine_Frm2 for 5, else
// TCirc_Frm.
ModalDialog SearchSettingsDialog(int kt);

// Registers the openers CalSet, CirSet, DrawSet, DispSet, Nen, Yaita, XYEdit, LNEdit, Kekka and
// VerDisp, each only when its dialog is built (CirSet when one of its three is; it then opens
// nothing for a method whose dialog is missing). The table editors redraw the
// view afterwards. dialogs must outlive the table.
void RegisterDialogOpeners(CommandTable& table, ModalDialogs& dialogs);

}  // namespace selvana
