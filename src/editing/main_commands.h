// The commands of the main window's menus and tool buttons, free of any toolkit. The window
// forwards every menu item and button to a CommandTable; each command's owner registers its
// handler there. A command without a handler does nothing yet.
#pragma once
#include <array>
#include <functional>

namespace selvana {

// One value per command; the indexed ones take the number of the item they came from.
enum class MainCommand : int {
  // File menu.
  New_Data,
  Open,
  Joken,
  Block,
  Tikei,
  Dxf,
  Save,
  SaveAs,
  DefPrt,
  F,  // a recent file: index 0..4 for F1..F5
  MainExit,
  // Settings menu.
  CalSet,
  CirSet,
  DrawSet,
  DispSet,
  Nen,
  Yaita,
  CenSet,
  // View menu.
  AllShow,
  ZoomIn,
  ZoomOut,
  AreaBig,
  AreaSmall,
  // Edit menu.
  PAdd,
  PMove,
  PDel,
  LAddK,
  LAddC,
  LAddS,
  LAddB,
  LAddL,
  LAddG,
  LAddZ,
  LDelK,
  LDelC,
  LDelS,
  LDelB,
  LDelL,
  LDelG,
  LDelZ,
  Tanten,
  Gousei,
  Bunkatu,
  PLine,
  KAdd,
  KMove,
  SAdd,
  SMove,
  HAdd,
  HMove,
  VAdd,
  VMove,
  BAdd,
  BMove,
  BDel,
  BCopy,
  BEdit,
  XYEdit,
  LNEdit,
  LNChk,
  BLChk,
  ZHChk,
  // Calculation menu.
  CalRun,
  Kekka,
  Prn,
  // Drawing menu.
  Waku,
  Name,
  LDraw,
  LNotDraw,
  DJTate,
  DJYoko,
  K,   // a surcharge label: index 0..5 for K1..K6
  GU,  // a horizontal-force label above its arrow: index 0..2 for G1U..G3U
  GL,  // below its arrow: G1L..G3L
  GB,  // behind its arrow: G1B..G3B
  Y,   // a sheet-pile pressure label: index 0..63 for Y01..Y64
  Circ,
  Anzen,
  Sakuzu,
  // Help menu.
  HelpDisp,
  VerDisp,
  Fsize,
  // The tool bar's coordinate-input button, shown by the editing modes.
  BitBtnXY,
  Count
};

inline constexpr int kMainCommandCount = static_cast<int>(MainCommand::Count);

// The name of a command as the menus name it ("New_Data", "F", "Y", ...).
const char* MainCommandName(MainCommand command);

// The commands that only move the view or draw a check picture over it, and the XY button: they
// keep a pending mouse edit.
bool KeepsPendingEdit(MainCommand command);

class CommandTable {
 public:
  using Handler = std::function<void(int index)>;

  // Registers (or replaces) the handler of a command.
  void Set(MainCommand command, Handler handler);
  // Runs a command (settling a pending mouse edit first, see SettlePendingEdit, then calling
  // BeforeCommand, and AfterCommand last); false when it has no handler yet.
  bool Run(MainCommand command, int index = 0) const;
  bool IsBuilt(MainCommand command) const;

  // The save that the close prompt's Yes runs: true only when the project was written. Empty
  // until the file commands register it, and then Yes keeps the program open.
  std::function<bool()> SaveProject;

  // Settles an unconfirmed mouse edit (a dragged point or block, a placed copy) as answering No
  // does. Run before every command but the view commands and the XY button, so that such a
  // change never reaches a save, a run, a print or a dialog. Empty until the editor sets it.
  std::function<void()> SettlePendingEdit;

  // Run before every command, after the settling, so that AfterCommand can tell what the
  // command changed. Empty until the editor sets it.
  std::function<void()> BeforeCommand;

  // Run after every command, so that what follows the mouse mode (the XY button) also follows a
  // command that changed the mode, a project load or reset included, and so that a step whose
  // picked point or line the command freed or changed starts over. Empty until the editor sets
  // it.
  std::function<void()> AfterCommand;

 private:
  std::array<Handler, kMainCommandCount> handlers_;
};

}  // namespace selvana
