// Ranges of the block constants, the seismic coefficient and the surcharges, and the sign of
// the cohesion that grows with depth.
#include "calc/value_checks.h"

#include <algorithm>

#include "calc/results/safety_factor.h"
#include "calc/run_data.h"
#include "calc/slicing/cohesion.h"
#include "calc/slicing/polygons.h"
#include "model/project_model.h"
#include "platform/number_format.h"

namespace selvana {
namespace {

constexpr char kPositive[] = "0より大きくなければなりません";
constexpr char kNotNegative[] = "0以上でなければなりません";
constexpr char kUpToUnitWeight[] = "0以上、単位体積重量　Ｗ以下でなければなりません";
constexpr char kAngle[] = "0以上、90未満でなければなりません";
constexpr char kRatio[] = "0以上、1以下でなければなりません";
constexpr char kBelowNoFactorMark[] = "999999.9未満でなければなりません";
constexpr char kEndsReversed[] = "作用位置(Xmin)以上でなければなりません";

enum { kGammaT, kGammaE, kGradient, kCohesion, kPhi, kAs, kN, kWs, kPhiS };
enum { kXMin, kXMax, kLoadAtXMin, kLoadAtXMax };

// Written so that NaN fails each of them.
bool NotNegative(double v) { return v >= 0.0; }
bool Angle(double v) { return v >= 0.0 && v < 90.0; }

bool IsWater(int kind) { return kind == kBlockPressureWater || kind == kBlockWeightWater; }

BlockConstants ConstantsOf(const BlockRecord& b) {
  return {b.UnitWeight,  b.EffectiveUnitWeight, b.CohesionGradient,
          b.Cohesion,    b.FrictionAngle,       b.ReplacementRatio,
          b.StressRatio, b.PileUnitWeight,      b.PileFrictionAngle};
}

// The first block slot in the run, in slot order, for which refusal gives a message.
template <class Refusal>
std::optional<std::string> FirstBlockRefused(Refusal refusal) {
  for (int b = 0; b < kMaxBlocks; ++b) {
    if (!BlockInRun(b)) continue;
    if (std::optional<std::string> message = refusal(b)) return message;
  }
  return std::nullopt;
}

// The cohesion of block at (x, y) with the reference level at x.
double CohesionAt(const BlockRecord& block, double x, double y) {
  return block.CohesionGradient * (CohesionReferenceLevel(x, x) - y) + block.Cohesion;
}

// A cohesion below 0 by no more than the search's own threshold of strength (0.0001) is the
// rounding of a reference level drawn along the ground, not a negative cohesion.
std::optional<std::string> NegativeCohesion(const BlockRecord& block, double x, double y) {
  const double c = CohesionAt(block, x, y);
  if (c > -0.0001) return std::nullopt;
  const char* reference = cm.CohesionRefMode == 1 ? "粘着力基準線" : "粘着力基準高";
  return StrFormat(
      "ブロック%dの粘着力（C=C0+K･Z）が X=%.3f, Y=%.3f で負（%.4f）になります。"
      "%sを見直してください。",
      block.Number, x, y, c, reference);
}

// Negative cohesion of block b at its outline corners, then at the top and bottom of the
// block at each vertex of the reference line within it.
std::optional<std::string> NegativeCohesionInBlock(int b) {
  const BlockRecord& block = BlockTable[b];
  const auto& points = BlockPolygonLists.Points[b];
  for (int i = 0; i < BlockPolygonLists.Count[b]; ++i) {
    const PointRecord& p = PointTable[points[i]];
    if (auto message = NegativeCohesion(block, p.X, p.Y)) return message;
  }
  if (cm.CohesionRefMode != 1) return std::nullopt;
  const CohesionRefLineRecord& line = cm.CohesionRefLine;
  for (int i = 0; i < std::clamp(line.Count, 0, kMaxCohesionVertices); ++i) {
    double top = 0.0, bottom = 0.0;
    BlockExtentAtX(b, line.X[i], 1e-5, top, bottom);
    if (top < bottom) continue;  // the block does not reach the vertex's X
    if (auto message = NegativeCohesion(block, line.X[i], top)) return message;
    if (auto message = NegativeCohesion(block, line.X[i], bottom)) return message;
  }
  return std::nullopt;
}

}  // namespace

bool BlockInRun(int b) {
  return b < BlockCount && BlockTable[b].Number >= 0 && BlockPolygonLists.Count[b] > 0;
}

const char* BlockConstantLabel(int i) {
  static constexpr const char* kLabels[kBlockConstantCount] = {
      "単位体積重量　Ｗ",  "有効単体重量　Ｗ'", "粘着力の勾配　Ｋ",
      "基準粘着力　　Ｃ0", "内部摩擦角　　φ",   "砂杭置換率　　Ａs",
      "応力分担比　　ｎ",  "単位体積重量　Ｗs", "内部摩擦角　　φs"};
  if (i == kPhiS && cm.SandPileFormula == 2) return "内部摩擦角　　φm";
  return kLabels[i];
}

const char* BlockConstantFault(const BlockConstants& c, int i, int kind, bool sandPile) {
  if (IsWater(kind)) return nullptr;
  const double v = c[i];
  const bool soil = kind != kBlockStructure;
  switch (i) {
    case kGammaT:
      // A structure may weigh nothing, as rock drawn for circles not to cross; soil must weigh.
      if (!soil) return NotNegative(v) ? nullptr : kNotNegative;
      return v > 0.0 ? nullptr : kPositive;
    case kGammaE: return NotNegative(v) && v <= c[kGammaT] ? nullptr : kUpToUnitWeight;
    case kCohesion: return !soil || NotNegative(v) ? nullptr : kNotNegative;
    case kPhi: return !soil || Angle(v) ? nullptr : kAngle;
    case kAs: return !sandPile || (NotNegative(v) && v <= 1.0) ? nullptr : kRatio;
    case kWs: return !sandPile || NotNegative(v) ? nullptr : kNotNegative;
    case kPhiS: return !sandPile || Angle(v) ? nullptr : kAngle;
    default: return nullptr;
  }
}

const char* SeismicCoefficientFault(double kh) { return NotNegative(kh) ? nullptr : kNotNegative; }

const char* MaxSafetyFactorFault(double maximum) {
  return maximum < kNoSafetyFactor ? nullptr : kBelowNoFactorMark;
}

const char* SurchargeValueLabel(int i) {
  static constexpr const char* kLabels[kSurchargeValueCount] = {"作用位置(Xmin)", "作用位置(Xmax)",
                                                                "荷重(Xmin)", "荷重(Xmax)"};
  return kLabels[i];
}

const char* SurchargeValueFault(const SurchargeValues& s, int i) {
  const bool loaded = s[kLoadAtXMin] != 0.0 || s[kLoadAtXMax] != 0.0;
  switch (i) {
    case kXMax: return !loaded || s[kXMin] <= s[kXMax] ? nullptr : kEndsReversed;
    case kLoadAtXMin:
    case kLoadAtXMax: return NotNegative(s[i]) ? nullptr : kNotNegative;
    default: return nullptr;
  }
}

std::optional<std::string> BlockConstantsRefusal() {
  return FirstBlockRefused([](int b) -> std::optional<std::string> {
    const BlockRecord& block = BlockTable[b];
    const BlockConstants c = ConstantsOf(block);
    for (int i = 0; i < kBlockConstantCount; ++i) {
      if (const char* fault = BlockConstantFault(c, i, block.Kind, block.SandPile != 0)) {
        return StrFormat("ブロック%dの%s「%.4f」は%s。", block.Number, BlockConstantLabel(i), c[i],
                         fault);
      }
    }
    return std::nullopt;
  });
}

std::optional<std::string> SeismicCoefficientRefusal() {
  const char* fault = SeismicCoefficientFault(cm.SeismicCoefficient);
  if (!fault) return std::nullopt;
  return StrFormat("水平震度「%.4f」は%s。", cm.SeismicCoefficient, fault);
}

std::optional<std::string> MaxSafetyFactorRefusal() {
  const char* fault = MaxSafetyFactorFault(cm.MaxSafetyFactor);
  if (!fault) return std::nullopt;
  return StrFormat("最大安全率「%.4f」は%s。", cm.MaxSafetyFactor, fault);
}

std::optional<std::string> SurchargeRefusal() {
  const SurchargeRecord& s = cm.Surcharges;
  for (int load = 0; load < kSurchargeCount; ++load) {
    const SurchargeValues values = {s.XMin[load], s.XMax[load], s.LoadAtXMin[load],
                                    s.LoadAtXMax[load]};
    for (int i = 0; i < kSurchargeValueCount; ++i) {
      if (const char* fault = SurchargeValueFault(values, i)) {
        return StrFormat("上載荷重(%d)の%s「%.4f」は%s。", load + 1, SurchargeValueLabel(i),
                         values[i], fault);
      }
    }
  }
  return std::nullopt;
}

std::optional<std::string> NegativeCohesionRefusal() {
  return FirstBlockRefused([](int b) -> std::optional<std::string> {
    const int kind = BlockTable[b].Kind;
    if (IsWater(kind) || kind == kBlockStructure) return std::nullopt;
    return NegativeCohesionInBlock(b);
  });
}

}  // namespace selvana
