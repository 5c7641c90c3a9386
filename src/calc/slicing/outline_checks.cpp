// Refusing a run whose block outlines are open, fold back on an edge, miss their own seed, or
// belong to two blocks.
#include "calc/slicing/outline_checks.h"

#include <algorithm>
#include <span>

#include "calc/run_data.h"
#include "model/line_records.h"
#include "model/project_model.h"
#include "platform/number_format.h"

namespace selvana {
namespace {

constexpr char kOpenOutlineMessage[] =
    "ブロック%dの外周が閉じていないため、計算できません。"
    "ブロックチェックで外周の線分を確認してください。";
constexpr char kEdgeTwiceMessage[] =
    "ブロック%dの外周が同じ２点の間を２度通るため、計算できません。"
    "ブロックチェックで外周の線分を確認してください。";
constexpr char kSharedOutlineMessage[] =
    "ブロック%dとブロック%dが同じ領域にあるため、計算できません。"
    "ブロックチェックで外周の線分を確認してください。";
constexpr char kSeedOutsideMessage[] =
    "ブロック%dの中心がその外周の外にあるため、計算できません。%s";
constexpr char kSeedInsideMessage[] =
    "ブロック%dの外周の中にブロック%dの中心があるため、計算できません。%s";

bool IsUsedBlock(int b) { return BlockTable[b].Number >= 0; }

// The outline block b keeps for the run; empty when it keeps none.
std::span<const int> KeptOutline(int b) {
  const int edges = BlockPolygonLists.Count[b];
  if (edges < 0) return {};
  return std::span(BlockPolygonLists.Points[b]).first(edges + 1);
}

// The kept outline, or else the block traced again (valid until the next trace).
std::span<const int> RunOutline(int b) {
  if (BlockPolygonLists.Count[b] >= 0) return KeptOutline(b);
  const int entries = TraceBlockRegion(BlockTable[b].SeedX, BlockTable[b].SeedY);
  return std::span(BlockOutline.Points).first(std::max(entries, 0));
}

// An outline of fewer than three entries encloses nothing even when its ends meet.
bool OutlineOpen(std::span<const int> outline) {
  return !OutlineClosed(outline) || outline.size() < 3;
}

// The first used block whose run outline fails, named in the message.
std::optional<std::string> FirstBlockWith(bool (*fails)(std::span<const int>),
                                          const char* message) {
  for (int b = 0; b < UsedBlockSlots(); ++b) {
    if (IsUsedBlock(b) && fails(RunOutline(b))) return StrFormat(message, b);
  }
  return std::nullopt;
}

bool SeedOutsideOwnOutline(int b) {
  const std::span<const int> outline = KeptOutline(b);
  return !outline.empty() && !OutlineHolds(outline, BlockTable[b].SeedX, BlockTable[b].SeedY);
}

}  // namespace

std::optional<std::string> OpenOutlineRefusal() {
  return FirstBlockWith(OutlineOpen, kOpenOutlineMessage);
}

std::optional<std::string> EdgeWalkedTwiceRefusal() {
  return FirstBlockWith(OutlineWalksAnEdgeTwice, kEdgeTwiceMessage);
}

std::optional<std::string> SharedOutlineRefusal() {
  for (int b = 1; b < UsedBlockSlots(); ++b) {
    if (!IsUsedBlock(b)) continue;
    for (int a = 0; a < b; ++a) {
      if (IsUsedBlock(a) && SameClosedOutline(KeptOutline(a), KeptOutline(b))) {
        return StrFormat(kSharedOutlineMessage, a, b);
      }
    }
  }
  return std::nullopt;
}

std::optional<std::string> SeedOutsideOutlineRefusal() {
  for (int b = 0; b < UsedBlockSlots(); ++b) {
    if (IsUsedBlock(b) && SeedOutsideOwnOutline(b)) {
      return StrFormat(kSeedOutsideMessage, b, kBlockRegionAdvice);
    }
  }
  return std::nullopt;
}

std::optional<std::string> SeedInsideOutlineRefusal() {
  for (int b = 0; b < UsedBlockSlots(); ++b) {
    if (!IsUsedBlock(b) || KeptOutline(b).empty()) continue;
    const int other = BlockSeedInside(KeptOutline(b), b);
    if (other >= 0) return StrFormat(kSeedInsideMessage, b, other, kBlockRegionAdvice);
  }
  return std::nullopt;
}

}  // namespace selvana
