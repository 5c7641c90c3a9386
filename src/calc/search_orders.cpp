// The order loop shared by the circle and straight-line searches.
#include "calc/search_orders.h"

#include "calc/results/dump_file.h"
#include "calc/results/result_store_lines.h"
#include "calc/run_data.h"

namespace selvana {

int RunSearchOrders(int highest, SearchOrders& orders, CalcProgress& progress) {
  SearchGridRecord& g = RunData.SearchGrid;
  while (g.Order < highest) {
    orders.StartOrder();
    OpenDumpOfOrder(g.Order + 1);
    orders.ShowOrder(progress);
    if (orders.NothingToWalk()) {
      AnswerDump.Close();
      break;
    }
    const bool finished = orders.WalkOrder(progress);
    ShowUnshownSurface(progress);
    AnswerDump.Close();
    if (!finished) return -1;
    if (orders.NothingToSearchAround()) break;
    if (orders.RepeatOrder()) continue;
    if (g.Order + 1 >= highest) break;
    orders.Refine();
    ++g.Order;
  }
  progress.Hide();
  return 0;
}

}  // namespace selvana
