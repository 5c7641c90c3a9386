// The rules of the block constants dialog: the enabling by kind, method and partial factors,
// and what OK stores for each kind.
#include "forms/block_constants_form.h"

#include <gtest/gtest.h>

#include "editing/mouse_state.h"

namespace selvana {
namespace {

TEST(BlockConstants, EnablingFollowsKindMethodAndFactors) {
  struct Case {
    const char* name;
    BlockChoice choice;
    int kt;
    int factors;
    bool sandPile;
    BlockEnabling expected;  // radios, box, on, edit2, edits3-5, sand edits, factor class
  };
  const Case cases[] = {
      {"water", BlockChoice::Water, 0, 0, true, {true, false, false, false, false, false, false}},
      {"water, line method", BlockChoice::Water, 3, 0, false, {}},
      {"soil", BlockChoice::Soil, 0, 0, false, {false, true, false, true, true, false, false}},
      {"soil with piles", BlockChoice::Soil, 0, 0, true, {false, true, true, true, true, true}},
      // The stored sand pile stays on under Bishop, though the box cannot be switched.
      {"soil, Bishop", BlockChoice::Soil, 2, 0, true, {false, false, true, true, true, true}},
      {"soil, factors",
       BlockChoice::Soil,
       0,
       1,
       true,
       {false, false, false, true, true, false, true}},
      {"structure", BlockChoice::Structure, 5, 1, true, {false, false, false, true}},
  };
  for (const Case& c : cases) {
    cm.kt = c.kt;
    PartialFactors.Enabled = c.factors;
    const BlockEnabling e = BlockEnablingFor(c.choice, c.sandPile);
    const BlockEnabling& x = c.expected;
    EXPECT_EQ((std::array{x.Radios, x.SandPileBox, x.SandPileOn, x.Edit2, x.Edits3to5, x.SandEdits,
                          x.FactorClass}),
              (std::array{e.Radios, e.SandPileBox, e.SandPileOn, e.Edit2, e.Edits3to5, e.SandEdits,
                          e.FactorClass}))
        << c.name;
  }
}

TEST(BlockConstants, OkStoresTheConstantsTheKindKeeps) {
  struct Case {
    const char* name;
    bool water, pressure, soil, sandPile;
    int kind;
    std::array<double, 9> stored;
  };
  const Case cases[] = {
      {"soil", false, true, true, false, kBlockSoil, {1, 2, 3, 4, 5, 0, 0, 0, 0}},
      {"soil with piles", false, true, true, true, kBlockSoil, {1, 2, 3, 4, 5, 6, 7, 8, 9}},
      {"pressure water", true, true, false, false, kBlockPressureWater, {1}},
      {"weight water", true, false, false, false, kBlockWeightWater, {1}},
      {"structure", false, true, false, false, kBlockStructure, {1, 2}},
  };
  for (const Case& c : cases) {
    BlockTable[3] = BlockRecord{};
    BlockTable[3].Number = 3;
    MouseState.SelectedIndex = 3;
    DataModified = 0;
    BlockConstantsForm form{c.water, c.pressure, c.soil,
                            2,       c.sandPile, {"1", "2", "3", "4", "5", "6", "7", "8", "9"}};
    ASSERT_TRUE(StoreBlockConstants(form));
    const BlockRecord& b = BlockTable[3];
    EXPECT_EQ(c.kind, b.Kind) << c.name;
    EXPECT_EQ(3, b.FactorClass);
    EXPECT_EQ((std::array{b.UnitWeight, b.EffectiveUnitWeight, b.CohesionGradient, b.Cohesion,
                          b.FrictionAngle, b.ReplacementRatio, b.StressRatio, b.PileUnitWeight,
                          b.PileFrictionAngle}),
              c.stored)
        << c.name;
    EXPECT_EQ(1, DataModified);
  }

  // Edits left as shown keep the constants behind them, finer than the four decimals shown.
  BlockRecord& b = BlockTable[3];
  b = BlockRecord{};
  b.FactorClass = 2;
  b.Cohesion = 12.345678;
  BlockConstantsForm shown{false, true, true, 1, false, {}, ShowBlockConstants(b)};
  for (int i = 0; i < 9; ++i) shown.Edits[i] = shown.Shown[i].Text;
  DataModified = 0;
  ASSERT_TRUE(StoreBlockConstants(shown));
  EXPECT_EQ(12.345678, b.Cohesion);
  EXPECT_EQ(0, DataModified);
  MouseState.SelectedIndex = -1;
  EXPECT_FALSE(StoreBlockConstants({}));
}

TEST(BlockConstants, OkRefusesNumbersNoSoilCanHave) {
  enum Kind { kSoil, kPiles, kStructure, kWater };
  struct Case {
    const char* name;
    Kind kind;
    int edit;
    const char* text;
    int refused;  // 0: none
  };
  const Case cases[] = {
      {"no weight", kSoil, 1, "0", 1},
      {"buoyancy adds weight", kSoil, 2, "19", 2},
      {"negative effective weight", kSoil, 2, "-1", 2},
      {"negative cohesion", kSoil, 4, "-50", 4},
      {"friction 90", kSoil, 5, "90", 5},
      {"replacement above 1", kPiles, 6, "1.5", 6},
      {"negative pile weight", kPiles, 8, "-1", 8},
      {"pile friction 90", kPiles, 9, "90", 9},
      {"pile values without piles", kSoil, 6, "1.5", 0},
      {"structure, buoyancy adds weight", kStructure, 2, "19", 2},
      {"structure of no weight, nor buoyant", kStructure, 1, "0", 2},  // γ' 8 above γt 0
      {"structure has no friction", kStructure, 5, "100", 0},
      {"water keeps its own rules", kWater, 1, "-5", 0},
  };
  const std::array<std::string, 9> kSound = {"18", "8", "0", "10", "30", "0.3", "3", "19", "35"};
  BlockTable[3] = BlockRecord{};
  MouseState.SelectedIndex = 3;
  for (const Case& c : cases) {
    const bool water = c.kind == kWater, soil = c.kind != kStructure, piles = c.kind == kPiles;
    BlockConstantsForm form{water, true, soil, 1, piles, kSound};
    form.Edits[c.edit - 1] = c.text;
    const std::optional<EditRefusal> refusal = RefusedBlockConstant(form);
    EXPECT_EQ(c.refused, refusal ? refusal->edit : 0) << c.name;
    if (c.edit == 5 && refusal) {
      EXPECT_EQ(
          "内部摩擦角　　φ「90」は0以上、90未満でなければなりません。"
          "内部摩擦角　　φを入力し直してください。",
          refusal->message);
    }
  }
}

}  // namespace
}  // namespace selvana
