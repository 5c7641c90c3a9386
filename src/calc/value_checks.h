// The numbers no soil, load or earthquake can have: the rules on the block constants, the
// seismic coefficient and the surcharges that the dialogs apply on OK and the run applies to a
// model read from a file, and the run's check that cohesion nowhere turns negative with depth.
// The rules read the values the user gave, before any partial factor.
#pragma once
#include <array>
#include <optional>
#include <string>

namespace selvana {

// The nine constants of a block in the order the block constants dialog shows them (Edit1 to
// Edit9): γt, γ', K, C0, φ, As, n, Ws, φs.
inline constexpr int kBlockConstantCount = 9;
using BlockConstants = std::array<double, kBlockConstantCount>;

// The label of constant i as the block constants dialog shows it (φs reads φm under sand-pile
// formula 2).
const char* BlockConstantLabel(int i);

// What is wrong with constant i of a block of the kind, with or without sand piles, as the end
// of a sentence ("0より大きくなければなりません"); nullptr when the value may be so. Soil blocks:
// γt > 0, 0 <= γ' <= γt, C0 >= 0 and 0 <= φ < 90; structure blocks: 0 <= γ' <= γt (a weight of
// 0 included); with sand piles also 0 <= As <= 1, Ws >= 0 and 0 <= φs < 90. Water blocks have
// no rule here.
const char* BlockConstantFault(const BlockConstants& c, int i, int kind, bool sandPile);

// Of the seismic coefficient: kh >= 0.
const char* SeismicCoefficientFault(double kh);

// Of the maximum safety factor: below the no-factor mark, which no judged surface may reach,
// so that a surface without a factor is never let in as a result.
const char* MaxSafetyFactorFault(double maximum);

// The four values of a surcharge in the order of its edits: XMin, XMax, LoadAtXMin, LoadAtXMax.
inline constexpr int kSurchargeValueCount = 4;
using SurchargeValues = std::array<double, kSurchargeValueCount>;
// The label of value i of a surcharge as the calculation conditions dialog shows it.
const char* SurchargeValueLabel(int i);
// What is wrong with value i of a surcharge: intensities >= 0, and XMin <= XMax for a load with
// an intensity (a load of 0 at both ends acts nowhere, so its ends mean nothing).
const char* SurchargeValueFault(const SurchargeValues& s, int i);

// True for a block slot the run calculates with: used (below BlockCount, Number not negative)
// and with an outline traced by BuildBlockPolygons.
bool BlockInRun(int b);

// The run's checks of the model (RunModelCheck): the refusal naming the block or load, the
// constant and its value, or nothing.
// Every used block with an outline, by the rules of BlockConstantFault.
std::optional<std::string> BlockConstantsRefusal();
// cm.SeismicCoefficient by SeismicCoefficientFault.
std::optional<std::string> SeismicCoefficientRefusal();
// cm.MaxSafetyFactor by MaxSafetyFactorFault.
std::optional<std::string> MaxSafetyFactorRefusal();
// The three surcharges by SurchargeValueFault.
std::optional<std::string> SurchargeRefusal();
// Cohesion C = K x (level - y) + C0 of every used soil block with an outline, at its outline
// corners with the reference level at their X, and, with the reference line, at the top and
// bottom of the block at each of the line's vertices within it: negative anywhere is refused,
// pointing to 粘着力基準高 or 粘着力基準線.
std::optional<std::string> NegativeCohesionRefusal();

}  // namespace selvana
