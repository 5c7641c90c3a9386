// The loop over grid orders (circles) or passes (straight lines) that every search runs: each
// order starts its running minimum, opens its dump file, shows its progress lines, is walked,
// and is then repeated, refined for the next or the last.
#pragma once

#include "calc/progress/progress.h"

namespace selvana {

// What a search does in each order; SearchGrid.Order is the 0-based order throughout.
class SearchOrders {
 public:
  virtual ~SearchOrders() = default;
  // Starts the order: the running minimum and whatever else the order begins afresh.
  virtual void StartOrder() = 0;
  // Shows the order's progress lines.
  virtual void ShowOrder(CalcProgress& progress) = 0;
  // True when the order has nothing to walk: the search then ends after it.
  virtual bool NothingToWalk() const { return false; }
  // Walks the whole order; false when the user stopped the search.
  virtual bool WalkOrder(CalcProgress& progress) = 0;
  // True when the walked order leaves nothing to search around: the search then ends after it.
  virtual bool NothingToSearchAround() const { return false; }
  // True when the same order must run again (on a grid widened around its minimum).
  virtual bool RepeatOrder() { return false; }
  // Narrows the search around the order's minimum for the next order.
  virtual void Refine() = 0;
};

// Runs the orders from SearchGrid.Order up to highest - 1: StartOrder, the order's dump file
// opened in the program folder (OpenDumpOfOrder), ShowOrder, WalkOrder, the dump file closed;
// then the end when NothingToSearchAround, else the order again while RepeatOrder, else Refine
// and the next order. Hides the progress window at the end. Returns 0, or -1 at once (dump file
// closed) when the user stopped it.
int RunSearchOrders(int highest, SearchOrders& orders, CalcProgress& progress);

}  // namespace selvana
