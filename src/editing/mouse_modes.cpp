// The mode table of the mouse editor and the commands that enter its modes.
#include "editing/mouse_modes.h"

#include "editing/annotation_steps.h"
#include "editing/construction_steps.h"
#include "editing/edit_steps.h"
#include "editing/view_commands.h"
#include "model/project_model.h"

namespace selvana {
namespace {

using C = MainCommand;
constexpr Held N = Held::Nothing;
constexpr Held P = Held::Point;
constexpr Held L = Held::BoundaryLine;

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
    {211, 211, DragPointTo, ConfirmPointMove, SettlePointMove, {1, P}},
    {220, 220, DeletePointAt, EndOperation},
    {501, 507, PickLineStart, EndOperation},
    {511, 517, PickLineNext, RestartLineAdd, nullptr, {10, P}},
    {601, 607, DeleteLineAt, EndOperation},
    {700, 700, AddBlockAt, EndOperation},
    {710, 710, PickBlockToMove, EndOperation},
    {711, 711, DragBlockTo, ConfirmBlockMove, SettleBlockMove},
    {720, 720, DeleteBlockAt, EndOperation},
    {730, 730, PickBlockToCopy, EndOperation},
    {731, 731, DragBlockCopyTo, ConfirmBlockCopy, SettleBlockCopy},
    {740, 740, EditBlockAt, EndOperation},
    {1000, 1000, PlaceFrameAt, EndOperation},
    {1100, 1100, PlaceTitleAt, EndOperation},
    {1200, 1201, SetLineDrawFlag, EndOperation},
    {1300, 1300, PickSoilLabelBlock, EndOperation},
    {1310, 1310, PickSoilLabelBlock, EndOperation},
    {1301, 1301, PlaceSoilLabelAt, RestartSoilLabel},
    {1311, 1311, PlaceSoilLabelAt, RestartSoilLabel},
    {1400, 1405, PlaceSurchargeLabelAt, EndOperation},
    {1500, 1508, PlaceForceLabelAt, EndOperation},
    {3000, 3063, PlacePileLabelAt, EndOperation},
    {1600, 1600, PickSafetyLabelCentre, EndOperation},
    {1601, 1601, PlaceSafetyLabelAt, RestartSafetyLabel},
    {1610, 1610, ToggleSlipCircleAt, EndOperation},
    // The four point families (bases 1700, 1800, 1900, 1920) share their steps.
    {1700, 1700, PickConstructionLine, EndOperation},
    {1800, 1800, PickConstructionLine, EndOperation},
    {1900, 1900, PickConstructionLine, EndOperation},
    {1920, 1920, PickConstructionLine, EndOperation},
    {1701, 1701, PickConstructionSecond, AddConstructedPoint, nullptr, {1, N, L, L}},
    {1801, 1801, PickConstructionSecond, AddConstructedPoint, nullptr, {1, N, P, L}},
    {1901, 1901, PickConstructionSecond, AddConstructedPoint, nullptr, {1, N, P, L}},
    {1921, 1921, PickConstructionSecond, AddConstructedPoint, nullptr, {1, N, P, L}},
    {1710, 1710, PickPointToConstruct, EndOperation},
    {1810, 1810, PickPointToConstruct, EndOperation},
    {1910, 1910, PickPointToConstruct, EndOperation},
    {1930, 1930, PickPointToConstruct, EndOperation},
    {1711, 1711, PickConstructionMoveLine, RestartConstructionMove, nullptr, {1, P}},
    {1811, 1811, PickConstructionMoveLine, RestartConstructionMove, nullptr, {1, P}},
    {1911, 1911, PickConstructionMoveLine, RestartConstructionMove, nullptr, {1, P}},
    {1931, 1931, PickConstructionMoveLine, RestartConstructionMove, nullptr, {1, P}},
    {1712, 1712, PickConstructionSecond, MovePointToConstruction, nullptr, {2, P, L, L}},
    {1812, 1812, PickConstructionSecond, MovePointToConstruction, nullptr, {2, P, P, L}},
    {1912, 1912, PickConstructionSecond, MovePointToConstruction, nullptr, {2, P, P, L}},
    {1932, 1932, PickConstructionSecond, MovePointToConstruction, nullptr, {2, P, P, L}},
    {2000, 2000, EndChangePickLine, EndOperation},
    {2001, 2001, EndChangePickPoint, ChangeLineEnd, nullptr, {1, P, P, L}},
    {2010, 2010, JoinPickLine1, EndOperation},
    {2011, 2011, JoinPickLine2, JoinLines, nullptr, {1, N, L, L}},
    {2020, 2020, DividePickLine, EndOperation},
    {2021, 2021, DividePickPoint, DivideLine, nullptr, {1, N, P, L}},
    {2030, 2030, ParallelPickLine, EndOperation},
    {2031, 2031, AddParallelLine, RestartParallelLine, nullptr, {1, P, P, L}},
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
    {C::Waku, 1000, "作図枠の中心をマウス(左)で指定してください。マウス(右)：取り消し"},
    {C::Name, 1100, "業務名作図位置をマウス(左)で指定してください。マウス(右)：取り消し"},
    {C::LDraw, 1200, "作図する線分をマウス(左)で選択してください。マウス(右)：取り消し"},
    {C::LNotDraw, 1201, "作図不要な線分をマウス(左)で選択してください。マウス(右)：取り消し"},
    {C::DJTate, 1300,
     "土質条件(縦)を配置するブロック中心をマウス(左)で選択してください。マウス(右)：取り消し"},
    {C::DJYoko, 1310,
     "土質条件(横)を配置するブロック中心をマウス(左)で選択してください。マウス(右)：取り消し"},
    {C::Anzen, 1600,
     "安全率(数値)を配置する円弧中心をマウス(左)で選択してください。マウス(右)：取り消し"},
    {C::Circ, 1610,
     "すべり円を記入/消去する円弧中心をマウス(左)で選択してください。マウス(右)：取り消し"},
    {C::KAdd, 1700, "交点を計算する線分１をマウス(左)で選択してください。マウス(右)：取り消し"},
    {C::KMove, 1710, "交点に移動する点をマウス(左)で選択してください。マウス(右)：取り消し"},
    {C::SAdd, 1800, "垂線の足を計算する線分をマウス(左)で選択してください。マウス(右)：取り消し"},
    {C::SMove, 1810, "垂線の足に移動する点をマウス(左)で選択してください。マウス(右)：取り消し"},
    {C::HAdd, 1900,
     "水平線との交点を計算する線分をマウス(左)で選択してください。マウス(右)：取り消し"},
    {C::HMove, 1910,
     "水平線との交点に移動する点をマウス(左)で選択してください。マウス(右)：取り消し"},
    {C::VAdd, 1920,
     "垂直線との交点を計算する線分をマウス(左)で選択してください。マウス(右)：取り消し"},
    {C::VMove, 1930,
     "垂直線との交点に移動する点をマウス(左)で選択してください。マウス(右)：取り消し"},
    {C::Tanten, 2000,
     "端点を変更する線分をマウス(左)で選択してください。(選択位置に近い端点を付け替えます)　"
     "マウス(右)：取り消し"},
    {C::Gousei, 2010, "合成する線分１をマウス(左)で選択してください。マウス(右)：取り消し"},
    {C::Bunkatu, 2020, "分割される線分をマウス(左)で選択してください。マウス(右)：取り消し"},
    {C::PLine, 2030, "平行線を作図する線分をマウス(左)で選択してください。マウス(右)：取り消し"},
};

constexpr LabelCommand kLabelCommands[] = {
    {C::K, 1400, 1, 6},  {C::GU, 1500, 3, 3},           {C::GL, 1501, 3, 3},
    {C::GB, 1502, 3, 3}, {C::Y, 3000, 1, kMaxPileRows},
};

constexpr char kPlacePrompt[] =
    "を作図する位置をマウス(左)で指定してください。マウス(右)：取り消し";
constexpr const char* kDigits[] = {"１", "２", "３"};

#undef DEL_PROMPT

// A pick of the kind is still there; no pick (-1) and nothing held always are.
bool StillInUse(Held held, int index) {
  if (index < 0 || held == Held::Nothing) return true;
  if (held == Held::Point) return IsPointInUse(index);
  return index < kMaxLines && LineTable[index].Kind == kLineBoundary;
}

using Place = std::array<double, 6>;

Place PointPlace(int point) {
  if (point < 0 || point >= kMaxPoints) return {};
  const PointRecord& p = PointTable[point];
  return {static_cast<double>(p.Id), p.X, p.Y};
}

Place PlaceOf(Held held, int index) {
  if (index < 0 || held == Held::Nothing) return {};
  if (held == Held::Point) return PointPlace(index);
  if (index >= kMaxLines) return {};
  const LineRecord& line = LineTable[index];
  const Place p1 = PointPlace(line.P1);
  const Place p2 = PointPlace(line.P2);
  return {static_cast<double>(line.P1), static_cast<double>(line.P2), p1[1], p1[2], p2[1], p2[2]};
}

}  // namespace

const MouseModeSteps* FindModeSteps(int mode) {
  for (const MouseModeSteps& steps : kModeSteps) {
    if (mode >= steps.First && mode <= steps.Last) return &steps;
  }
  return nullptr;
}

PickedPlaces PlacesOfPicks(const MouseStateRecord& state) {
  PickedPlaces places{
      {state.MouseMode, state.SelectedIndex, state.SecondIndex, state.FirstLineIndex}};
  if (const MouseModeSteps* steps = FindModeSteps(state.MouseMode)) {
    const HeldPicks& h = steps->Holds;
    places.Places = {PlaceOf(h.Selected, state.SelectedIndex), PlaceOf(h.Second, state.SecondIndex),
                     PlaceOf(h.FirstLine, state.FirstLineIndex)};
  }
  return places;
}

int FirstStepAfterLostPick(const MouseStateRecord& state, const PickedPlaces& before) {
  const MouseModeSteps* steps = FindModeSteps(state.MouseMode);
  if (!steps) return 0;
  const HeldPicks& h = steps->Holds;
  const bool freed = !StillInUse(h.Selected, state.SelectedIndex) ||
                     !StillInUse(h.Second, state.SecondIndex) ||
                     !StillInUse(h.FirstLine, state.FirstLineIndex);
  // A command that entered another step, or picked anew, holds what it chose.
  const PickedPlaces now = PlacesOfPicks(state);
  const bool moved = now.Step == before.Step && now.Places != before.Places;
  return freed || moved ? state.MouseMode - h.Back : 0;
}

std::span<const ModeCommand> ModeCommands() { return kModeCommands; }

const char* CommandPrompt(int mode) {
  for (const ModeCommand& command : kModeCommands) {
    if (command.Mode == mode) return command.Prompt;
  }
  return "";
}

std::span<const LabelCommand> LabelCommands() { return kLabelCommands; }

std::string LabelPrompt(int mode) {
  if (mode >= 1400 && mode <= 1405) {
    const LabelTarget t = SurchargeLabelTarget(mode);
    return std::string("上載荷重") + kDigits[t.Index] + (t.Place == 1 ? "(左)" : "(右)") +
           kPlacePrompt;
  }
  if (mode >= 1500 && mode <= 1508) {
    const LabelTarget t = ForceLabelTarget(mode);
    const char* below = t.Index == 0 ? "(中)" : "(下)";
    const char* place = t.Place == 1 ? "(上)" : t.Place == 2 ? below : "(後)";
    return std::string("水平外力") + kDigits[t.Index] + place + kPlacePrompt;
  }
  return std::string("受動土圧") + kPlacePrompt;
}

}  // namespace selvana
