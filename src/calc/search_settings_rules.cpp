// The rules of the search settings, each with the value it judges and its two messages.
#include "calc/search_settings_rules.h"

#include <array>
#include <span>

#include "model/line_records.h"

namespace selvana {
namespace {

// A range narrower than this is a single value (the tolerance of range ends).
constexpr double kRangeTolerance = 0.0001;

// Messages that more than one rule gives.
constexpr char kOutsideSection[] = "断面の範囲の外の位置です";
constexpr char kPassOutside[] = "通過点　が断面の範囲の外にあるため計算できません。";
constexpr char kAngleRange[] =
    "すべり角度　αmin/αmax　が０度以上９０度未満の範囲にないため計算できません。";
constexpr char kAngleReason[] = "０度以上９０度未満の範囲にない角度です";
constexpr char kStartOutside[] = "すべり開始点　が断面の範囲の外にあるため計算できません。";

struct SettingsRule {
  bool holds;
  SettingsFault fault;
};

std::optional<SettingsFault> FirstFault(std::span<const SettingsRule> rules) {
  for (const SettingsRule& rule : rules) {
    if (!rule.holds) return rule.fault;
  }
  return std::nullopt;
}

// A step (entry 2) no larger than the range from entry 0 to entry 1, unless that range is a
// single value; a reversed range is the run's other check.
bool StepWithinRange(const std::array<double, 4>& r) {
  const double width = r[1] - r[0];
  return width < kRangeTolerance || r[2] <= width + kRangeTolerance;
}

// A slip angle between the horizontal and the vertical, the vertical excluded.
bool SlipAngleUsable(double a) { return 0.0 <= a && a < 90.0; }

}  // namespace

std::optional<SettingsFault> CircleSettingsFault(const CircleSearchSettings& s) {
  const SectionBox section = SectionExtent();
  const bool radiusRange = s.PassPointOn != 1;  // else the circles pass the point
  const SettingsRule rules[] = {
      {StepWithinRange(s.CentreX),
       {&s.CentreX[2], "円弧中心　ΔＸ　がXmin～Xmaxの幅より大きいため計算できません。",
        "中心位置(Xmin～Xmax)の幅より大きいピッチです"}},
      {StepWithinRange(s.CentreY),
       {&s.CentreY[2], "円弧中心　ΔＹ　がYmin～Ymaxの幅より大きいため計算できません。",
        "中心位置(Ymin～Ymax)の幅より大きいピッチです"}},
      {!radiusRange || s.Radius[1] > 0.0,
       {&s.Radius[1], "円弧半径　Rmax　が０以下のため計算できません。", "０以下の半径です"}},
      {!radiusRange || StepWithinRange(s.Radius),
       {&s.Radius[2], "円弧半径　ΔＲ　がRmin～Rmaxの幅より大きいため計算できません。",
        "半径範囲(Rmin～Rmax)の幅より大きいピッチです"}},
      {radiusRange || section.HoldsX(s.PassPointX), {&s.PassPointX, kPassOutside, kOutsideSection}},
      {radiusRange || section.HoldsY(s.PassPointY), {&s.PassPointY, kPassOutside, kOutsideSection}},
      // A circle through a point above its centre would pass it on its upper half: some centre
      // of the grid must lie above the point.
      {radiusRange || s.PassPointY < s.CentreY[1],
       {&s.PassPointY,
        "通過点　が円弧中心グリッドの最も高い中心(Ymax)以上の高さにあるため計算できません。",
        "円弧中心グリッドの最も高い中心(Ymax)以上の高さです"}},
  };
  return FirstFault(rules);
}

std::optional<SettingsFault> LineFromPointFault(const StraightSlipSettingsRecord& s) {
  const SectionBox section = SectionExtent();
  const SettingsRule rules[] = {
      {SlipAngleUsable(s.Range[0]), {&s.Range[0], kAngleRange, kAngleReason}},
      {SlipAngleUsable(s.Range[1]), {&s.Range[1], kAngleRange, kAngleReason}},
      {StepWithinRange(s.Range),
       {&s.Range[2], "すべり角度　Δα　がαmin～αmaxの幅より大きいため計算できません。",
        "角度範囲(αmin～αmax)の幅より大きいピッチです"}},
      {section.HoldsX(s.PointX[0]), {&s.PointX[0], kStartOutside, kOutsideSection}},
      {section.HoldsY(s.PointY[0]), {&s.PointY[0], kStartOutside, kOutsideSection}},
  };
  return FirstFault(rules);
}

}  // namespace selvana
