// Enabling of the settings items from the method and the cohesion reference.
#include "mainwin/menu_enabling.h"

#include "model/project_model.h"

namespace selvana {

PaintMenuEnabling ComputePaintMenuEnabling() {
  PaintMenuEnabling e;
  e.Yaita = cm.kt == kMethodFellenius || cm.kt == kMethodTschebotarioff;
  e.Nen = cm.CohesionRefMode == 1;
  e.CenSet = cm.kt != kMethodLineFromPoint && cm.kt != kMethodLineBetweenSegments;
  return e;
}

}  // namespace selvana
