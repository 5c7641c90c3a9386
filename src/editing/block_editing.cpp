// The block operations of the mouse editor: add in a closed region with its constants, move the
// seed, delete, copy to another seed, edit the constants.
#include <span>

#include "editing/edit_picking.h"
#include "editing/edit_steps.h"
#include "editing/mouse_editor.h"
#include "model/line_records.h"
#include "model/project_model.h"
#include "platform/number_format.h"
#include "view/model_entities.h"
#include "view/redraw_view.h"

namespace selvana {
namespace {

constexpr char kCopyPickPrompt[] =
    "複写するブロックをマウス(左)で選択してください。マウス(右)：取り消し";

bool IsBlockSlot(int i) { return i >= 0 && i < kMaxBlocks; }

// True (after telling the user) when the seed (x, y) for block slot own (-1 for a new block)
// would not have a closed region of its own: the seed lies outside the outline it traces, or
// another block lies in that outline or round the seed, so that two blocks would count one
// piece of ground. BlockOutline is left holding the seed's trace.
bool RegionRefused(double x, double y, int own, const char* operation) {
  const int count = TraceBlockRegion(x, y);
  if (count < 0) return false;
  const BlockOutlineRecord seed = BlockOutline;
  const std::span<const int> region = std::span(seed.Points).first(count);
  if (!OutlineClosed(region)) return false;  // the run refuses an open outline with its reason
  if (!OutlineHolds(region, x, y)) {
    Refuse(StrFormat("この位置はそこからたどった外周の外にあるため、%sできません。%s", operation,
                     kBlockRegionAdvice));
    return true;
  }
  int block = BlockInSameRegion(x, y, own);
  if (block < 0) block = BlockSeedInside(region, own);
  if (block >= 0) {
    Refuse(StrFormat("この領域にはブロック%dがあるため、%sできません。", block, operation));
    return true;
  }
  block = BlockAroundPoint(x, y, own);
  if (block < 0) return false;
  Refuse(StrFormat("この位置はブロック%dの外周の中にあるため、%sできません。%s", block, operation,
                   kBlockRegionAdvice));
  return true;
}

// A new soil block at the click, with every constant 0 and no soil label.
BlockRecord NewBlock(int slot, const ModelClick& click) {
  BlockRecord block;
  block.Number = slot;
  block.SeedX = click.X;
  block.SeedY = click.Y;
  block.SoilLabelMode = -1;
  block.SoilLabelX = click.X;
  block.SoilLabelY = click.Y;
  block.Kind = kBlockSoil;
  block.FactorClass = 0;
  block.SandPile = 0;
  return block;
}

void RestoreSeed(const MouseStateRecord& state) {
  if (!IsBlockSlot(state.SelectedIndex)) return;
  BlockTable[state.SelectedIndex].SeedX = state.SavedX;
  BlockTable[state.SelectedIndex].SeedY = state.SavedY;
}

// The copy's slot gets back what it held before the copy took it.
void FreeCopy(MouseEditor& editor, const MouseStateRecord& state) {
  if (IsBlockSlot(state.SelectedIndex)) BlockTable[state.SelectedIndex] = editor.ReplacedBlock();
}

// Moves the seed of block slot i to the click and shows it there.
void MoveSeed(int i, int x, int y) {
  if (!IsBlockSlot(i)) return;
  const ModelClick click = ClickToModel(x, y);
  BlockTable[i].SeedX = click.X;
  BlockTable[i].SeedY = click.Y;
  RedrawView(kRedrawModel);
  HighlightBlock(i);
  MouseState.MovedFlag = 1;
}

}  // namespace

void AddBlockAt(MouseEditor& editor, int x, int y) {
  const ModelClick click = ClickToModel(x, y);
  if (TraceBlockRegion(click.X, click.Y) < 3) return;
  if (RegionRefused(click.X, click.Y, -1, "追加")) return;
  const int slot = FindFreeBlockSlot();
  if (slot < 0) {
    RefuseFullTable("ブロック", kMaxBlocks);
    return;
  }
  const BlockRecord before = BlockTable[slot];
  MouseState.SelectedIndex = slot;
  BlockTable[slot] = NewBlock(slot, click);
  DrawBlockMarker(slot, kYellow);
  DrawBlockOutline(kYellow);
  if (editor.Dialogs().ShowBlockConstants()) {
    if (slot >= BlockCount) BlockCount = slot + 1;
    MarkModified(true);
  } else {
    BlockTable[slot] = before;
  }
  RedrawView(kRedrawModel);
}

void PickBlockToMove(MouseEditor& editor, int x, int y) {
  const int block = NearestBlock(ClickToModel(x, y));
  if (block < 0) return;
  HighlightBlock(block);
  editor.Prompt("ブロックを移動する先の位置をマウス(左)で指定してください。マウス(右)：取り消し");
  MouseState.MouseMode = 711;
  MouseState.SelectedIndex = block;
  MouseState.MovedFlag = 0;
  MouseState.SavedX = BlockTable[block].SeedX;
  MouseState.SavedY = BlockTable[block].SeedY;
}

void DragBlockTo(MouseEditor&, int x, int y) { MoveSeed(MouseState.SelectedIndex, x, y); }

void ConfirmBlockMove(MouseEditor& editor, int, int) {
  const int block = MouseState.SelectedIndex;
  if (MouseState.MovedFlag == 1 && IsBlockSlot(block) &&
      RegionRefused(BlockTable[block].SeedX, BlockTable[block].SeedY, block, "移動")) {
    RestoreSeed(MouseState);
    MouseState.MovedFlag = 0;
  }
  ConfirmDrag(editor, "ブロックを移動してよろしいですか？", RestoreSeed, 710,
              "移動するブロックをマウス(左)で選択してください。マウス(右)：取り消し");
}

void SettleBlockMove(MouseEditor&, MouseStateRecord& state) {
  if (state.MovedFlag == 1) RestoreSeed(state);
  state.MovedFlag = 0;
}

void DeleteBlockAt(MouseEditor&, int x, int y) {
  const int block = NearestBlock(ClickToModel(x, y));
  if (block < 0) return;
  HighlightBlock(block);
  if (Confirm("ブロックを削除してよろしいですか？")) {
    BlockTable[block].Number = -1;
    CommitEdit();
    return;
  }
  RedrawView(kRedrawModel);
}

void PickBlockToCopy(MouseEditor& editor, int x, int y) {
  const int source = NearestBlock(ClickToModel(x, y));
  if (source < 0) return;
  const int slot = FindFreeBlockSlot();
  if (slot < 0) {
    RefuseFullTable("ブロック", kMaxBlocks);
    return;
  }
  MouseState.SecondIndex = source;
  HighlightBlock(source);
  editor.Prompt("ブロックを複写する先の位置をマウス(左)で指定してください。マウス(右)：取り消し");
  MouseState.SelectedIndex = slot;
  editor.ReplacedBlock() = BlockTable[slot];
  BlockTable[slot] = BlockTable[source];
  BlockTable[slot].Number = slot;
  MouseState.MouseMode = 731;
  MouseState.MovedFlag = 0;
}

void DragBlockCopyTo(MouseEditor&, int x, int y) { MoveSeed(MouseState.SelectedIndex, x, y); }

void ConfirmBlockCopy(MouseEditor& editor, int, int) {
  const int copy = MouseState.SelectedIndex;
  if (MouseState.MovedFlag == 1 && IsBlockSlot(copy) &&
      !RegionRefused(BlockTable[copy].SeedX, BlockTable[copy].SeedY, copy, "複写") &&
      Confirm("ブロックを複写してよろしいですか？")) {
    if (copy >= BlockCount) BlockCount = copy + 1;
    MarkModified(true);
  } else {
    FreeCopy(editor, MouseState);
  }
  MouseState.MovedFlag = 0;
  RedrawView(kRedrawModel);
  MouseState.MouseMode = 730;
  editor.Prompt(kCopyPickPrompt);
}

void SettleBlockCopy(MouseEditor& editor, MouseStateRecord& state) {
  FreeCopy(editor, state);
  state.MovedFlag = 0;
  state.MouseMode = 730;  // the copy is gone: nothing is left to settle twice
  // A command that keeps the mode (a dialog) leaves the user picking a source block again.
  if (&state == &MouseState) editor.Prompt(kCopyPickPrompt);
}

void EditBlockAt(MouseEditor& editor, int x, int y) {
  const int block = NearestBlock(ClickToModel(x, y));
  if (block < 0) return;
  MouseState.SelectedIndex = block;
  HighlightBlock(block);
  editor.Dialogs().ShowBlockConstants();
  RedrawView(kRedrawModel);
}

void EndOperation(MouseEditor& editor, int, int) { editor.EndMouseMode(); }

}  // namespace selvana
