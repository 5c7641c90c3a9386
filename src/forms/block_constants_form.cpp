// The model side of the block constants dialog.
#include "forms/block_constants_form.h"

#include "calc/value_checks.h"
#include "editing/mouse_state.h"
#include "model/set_if_changed.h"

namespace selvana {
namespace {

bool MethodIsLine() { return cm.kt == kMethodLineFromPoint || cm.kt == kMethodLineBetweenSegments; }
bool MethodIsBishop() { return cm.kt == kMethodBishop || cm.kt == kMethodModifiedBishop; }

// The nine constants in the order of Edit1-Edit9.
template <typename Block>
auto Constants(Block& b) {
  return std::array{&b.UnitWeight,  &b.EffectiveUnitWeight, &b.CohesionGradient,
                    &b.Cohesion,    &b.FrictionAngle,       &b.ReplacementRatio,
                    &b.StressRatio, &b.PileUnitWeight,      &b.PileFrictionAngle};
}

int KindOf(const BlockConstantsForm& form) {
  if (form.Water) return form.PressureWater ? kBlockPressureWater : kBlockWeightWater;
  return form.Soil ? kBlockSoil : kBlockStructure;
}

// Edit i+1 when the kind and the sand pile keep it, else 0; stored stands for an edit that holds
// no number.
double ValueKept(const BlockConstantsForm& form, int kind, int sandPile, int i, double stored) {
  const double typed = ShownOrTypedNumberOr(form.Edits[i], form.Shown[i], stored);
  if (i == 0) return typed;
  if (i >= 5) return sandPile == 1 ? typed : 0.0;
  if (kind == kBlockSoil) return typed;
  return kind == kBlockStructure && i == 1 ? typed : 0.0;
}

}  // namespace

BlockChoice ChoiceOfKind(int kind) {
  if (kind == kBlockPressureWater || kind == kBlockWeightWater) return BlockChoice::Water;
  return kind == kBlockSoil ? BlockChoice::Soil : BlockChoice::Structure;
}

BlockEnabling BlockEnablingFor(BlockChoice choice, bool sandPile) {
  const bool factors = PartialFactors.Enabled != 0;
  BlockEnabling e;
  switch (choice) {
    case BlockChoice::Water: e.Radios = !MethodIsLine(); break;
    case BlockChoice::Soil:
      e.SandPileBox = !factors && !MethodIsBishop();
      e.Edit2 = e.Edits3to5 = true;
      e.FactorClass = factors;
      e.SandPileOn = e.SandEdits = sandPile && !factors;
      break;
    case BlockChoice::Structure: e.Edit2 = true; break;
  }
  return e;
}

BlockRecord SelectedBlock() {
  const int slot = MouseState.SelectedIndex;
  return slot >= 0 && slot < kMaxBlocks ? BlockTable[slot] : BlockRecord{};
}

std::array<ShownNumber, 9> ShowBlockConstants(const BlockRecord& block) {
  std::array<ShownNumber, 9> shown;
  const auto values = Constants(block);
  for (int i = 0; i < 9; ++i) shown[i] = ShowNumber(*values[i], "%5.4f");
  return shown;
}

int FactorItemOf(int factorClass) {
  return factorClass >= 1 && factorClass <= 3 ? factorClass - 1 : 1;
}

const char* PileFrictionLabel() { return BlockConstantLabel(kBlockConstantCount - 1); }

std::optional<EditRefusal> RefusedBlockConstant(const BlockConstantsForm& form) {
  const BlockRecord block = SelectedBlock();
  const int kind = KindOf(form);
  const int sandPile = form.SandPile ? 1 : 0;
  const auto stored = Constants(block);
  BlockConstants values{};
  for (int i = 0; i < kBlockConstantCount; ++i) {
    values[i] = ValueKept(form, kind, sandPile, i, *stored[i]);
  }
  for (int i = 0; i < kBlockConstantCount; ++i) {
    if (const char* fault = BlockConstantFault(values, i, kind, sandPile == 1)) {
      return RefuseValueOf(i + 1, BlockConstantLabel(i), form.Edits[i], fault);
    }
  }
  return std::nullopt;
}

bool StoreBlockConstants(const BlockConstantsForm& form) {
  const int slot = MouseState.SelectedIndex;
  if (slot < 0 || slot >= kMaxBlocks) return false;
  BlockRecord& block = BlockTable[slot];
  int changed = SetIntIfChanged(block.Kind, KindOf(form));
  changed |= SetIntIfChanged(block.FactorClass, form.FactorItem + 1);
  changed |= SetIntIfChanged(block.SandPile, form.SandPile ? 1 : 0);
  const auto values = Constants(block);
  for (int i = 0; i < 9; ++i) {
    const double value = ValueKept(form, block.Kind, block.SandPile, i, *values[i]);
    changed |= SetDoubleIfChanged(*values[i], value);
  }
  if (changed) MarkModified(true);
  return true;
}

}  // namespace selvana
