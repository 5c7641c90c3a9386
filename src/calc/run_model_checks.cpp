// The model checks of the run entries, in the order the user should mend what they find.
#include "calc/run_model_checks.h"

#include <initializer_list>

#include "calc/sheet_pile_check.h"
#include "calc/slicing/outline_checks.h"
#include "calc/slicing/overhangs.h"
#include "calc/value_checks.h"
#include "platform/message_box.h"

namespace selvana {

bool CheckRunModel() {
  // Every check, in its order: the first that refuses is the one the user is told.
  const std::initializer_list<RunModelCheck> checks = {
      OpenOutlineRefusal,
      EdgeWalkedTwiceRefusal,
      SeedOutsideOutlineRefusal,
      SharedOutlineRefusal,
      SeedInsideOutlineRefusal,
      BlockConstantsRefusal,
      SeismicCoefficientRefusal,
      MaxSafetyFactorRefusal,
      SurchargeRefusal,
      NegativeCohesionRefusal,
      SheetPileTopRefusal,
      SoilOverAirRefusal,
  };
  for (RunModelCheck check : checks) {
    if (const std::optional<std::string> refusal = check()) {
      ShowMessage(*refusal, "error");
      return false;
    }
  }
  return true;
}

}  // namespace selvana
