// What the block constants dialog does with the model, free of the toolkit: which controls are
// enabled for a kind of block under the method and the partial factors, the texts it shows, and
// the storing of its OK into block MouseState.SelectedIndex.
#pragma once
#include <array>
#include <string>

#include "forms/edit_refusal.h"
#include "forms/shown_number.h"
#include "model/project_model.h"

namespace selvana {

// The kind boxes act as one choice.
enum class BlockChoice { Soil, Water, Structure };

BlockChoice ChoiceOfKind(int kind);

struct BlockEnabling {
  bool Radios = false;       // RadioButton1/2, the two ways water acts
  bool SandPileBox = false;  // CheckBox2
  bool SandPileOn = false;   // CheckBox2 checked
  bool Edit2 = false;        // effective unit weight
  bool Edits3to5 = false;    // cohesion gradient, cohesion, friction angle
  bool SandEdits = false;    // Edit6-Edit9
  bool FactorClass = false;  // Label19 and ComboBox1
};

// The enabling for a choice with the sand-pile flag (stored, or the box's state), under cm.kt and
// PartialFactors.Enabled. A stored sand pile of a soil block stays on without partial factors,
// even where the method does not let the box be switched on.
BlockEnabling BlockEnablingFor(BlockChoice choice, bool sandPile);

// The record of block MouseState.SelectedIndex, or a new block's when no block is selected.
BlockRecord SelectedBlock();

// Edit1-Edit9: the nine constants of a block shown with "%5.4f".
std::array<ShownNumber, 9> ShowBlockConstants(const BlockRecord& block);
// The factor-class item shown: class - 1 for 1..3, else item 1 ("粘性土").
int FactorItemOf(int factorClass);
// Label29: "内部摩擦角　　φm" under sand-pile formula 2, else "内部摩擦角　　φs".
const char* PileFrictionLabel();

// What OK reads from the dialog.
struct BlockConstantsForm {
  bool Water = false;         // CheckBox1
  bool PressureWater = true;  // RadioButton1 (else RadioButton2)
  bool Soil = true;           // CheckBox3 (else structure)
  int FactorItem = 1;         // ComboBox1
  bool SandPile = false;      // CheckBox2
  std::array<std::string, 9> Edits;
  std::array<ShownNumber, 9> Shown{};  // what ShowBlockConstants filled in
};

// The first constant OK refuses, by the rules of BlockConstantFault on the values the form
// would store for its kind and sand-pile box: the edit (1 to 9) and its message, named by the
// edit's label. Nothing for water, or when every value may be so.
std::optional<EditRefusal> RefusedBlockConstant(const BlockConstantsForm& form);

// Stores the form into block MouseState.SelectedIndex through the set-if-changed helpers (an
// edit still showing its filled text stands for the constant shown):
// water zeroes the four strength constants, a structure keeps its two weights only, the sand-pile
// constants are zeroed without a sand pile. Marks the project on any change. False (nothing
// stored) when no block is selected.
bool StoreBlockConstants(const BlockConstantsForm& form);

}  // namespace selvana
