// The mode table of the mouse editor and the commands that enter its modes.
#include "mainwin/mouse_modes.h"

#include "mainwin/edit_steps.h"
#include "mainwin/view_commands.h"

namespace selvana {
namespace {

using C = MainCommand;

// Modes 0 (idle) and those of later operations are not listed: their clicks do nothing.
constexpr MouseModeSteps kModeSteps[] = {
    {101, 101, AreaFirstCorner, AreaCancel},
    {111, 111, AreaFirstCorner, AreaCancel},
    {4000, 4000, AreaFirstCorner, AreaCancel},
    {102, 102, AreaSecondCorner, AreaRestart},
    {112, 112, AreaSecondCorner, AreaRestart},
    {4001, 4001, AreaSecondCorner, AreaRestart},
    {200, 200, AddPointAt, EndOperation},
    {210, 210, PickPointToMove, EndOperation},
    {211, 211, DragPointTo, ConfirmPointMove, SettlePointMove},
    {220, 220, DeletePointAt, EndOperation},
    {501, 507, PickLineStart, EndOperation},
    {511, 517, PickLineNext, RestartLineAdd},
    {601, 607, DeleteLineAt, EndOperation},
    {700, 700, AddBlockAt, EndOperation},
    {710, 710, PickBlockToMove, EndOperation},
    {711, 711, DragBlockTo, ConfirmBlockMove, SettleBlockMove},
    {720, 720, DeleteBlockAt, EndOperation},
    {730, 730, PickBlockToCopy, EndOperation},
    {731, 731, DragBlockCopyTo, ConfirmBlockCopy, SettleBlockCopy},
    {740, 740, EditBlockAt, EndOperation},
};

#define DEL_PROMPT(word) "削除する" word "をマウス(左)で選択してください。マウス(右)：取り消し"

constexpr ModeCommand kModeCommands[] = {
    {C::PAdd, 200, "追加する点の位置をマウス(左)で指定してください。マウス(右)：取り消し"},
    {C::PMove, 210, "移動する点をマウス(左)で選択してください。マウス(右)：取り消し"},
    {C::PDel, 220, "削除する点をマウス(左)で選択してください。マウス(右)：取り消し"},
    {C::LAddK, 501, "追加する境界線の始点をマウス(左)で選択してください。マウス(右)：取り消し"},
    {C::LAddC, 502, "追加する不切線の始点をマウス(左)で選択してください。マウス(右)：取り消し"},
    {C::LAddS, 503,
     "追加する円弧制限線(小)の始点をマウス(左)で選択してください。マウス(右)：取り消し"},
    {C::LAddB, 504,
     "追加する円弧制限線(大)の始点をマウス(左)で選択してください。マウス(右)：取り消し"},
    {C::LAddL, 505, "追加する円弧制限点(小)をマウス(左)で選択してください。マウス(右)：取り消し"},
    {C::LAddG, 506, "追加する円弧制限点(大)をマウス(左)で選択してください。マウス(右)：取り消し"},
    {C::LAddZ, 507, "追加する残留水位線をマウス(左)で選択してください。マウス(右)：取り消し"},
    {C::LDelK, 601, DEL_PROMPT("境界線")},
    {C::LDelC, 602, DEL_PROMPT("不切線")},
    {C::LDelS, 603, DEL_PROMPT("円弧制限線(小)")},
    {C::LDelB, 604, DEL_PROMPT("円弧制限線(大)")},
    {C::LDelL, 605, DEL_PROMPT("円弧制限点(小)")},
    {C::LDelG, 606, DEL_PROMPT("円弧制限点(大)")},
    {C::LDelZ, 607, DEL_PROMPT("残留水位線")},
    {C::BAdd, 700, "追加するブロックの位置をマウス(左)で指定してください。マウス(右)：取り消し"},
    {C::BMove, 710, "移動するブロックをマウス(左)で選択してください。マウス(右)：取り消し"},
    {C::BDel, 720, "削除するブロックをマウス(左)で選択してください。マウス(右)：取り消し"},
    {C::BCopy, 730, "複写する元のブロックをマウス(左)で選択してください。マウス(右)：取り消し"},
    {C::BEdit, 740, "編集するブロックをマウス(左)で選択してください。マウス(右)：取り消し"},
};

#undef DEL_PROMPT

}  // namespace

const MouseModeSteps* FindModeSteps(int mode) {
  for (const MouseModeSteps& steps : kModeSteps) {
    if (mode >= steps.First && mode <= steps.Last) return &steps;
  }
  return nullptr;
}

std::span<const ModeCommand> ModeCommands() { return kModeCommands; }

}  // namespace selvana
