// The page forms of the safety-factor tables, generated beside the print data: per page of up
// to eight grid columns a page header (H), the header of a later page without title (I) and the
// row form (G), each with one column for Y and one per grid column of the page.
#pragma once
#include <string>

#include "output/print_data.h"

namespace selvana {

// Grid columns per table page.
inline constexpr int kTableColumnsPerPage = 8;

// The three forms of a page.
enum class PageForm : char { Header = 'H', LaterHeader = 'I', Row = 'G' };

// The method letter of the generated forms: 'B' for the Bishop methods 2 and 4, else 'C'.
char TableMethodLetter(int kt);

// "SB_" + method letter ('C' circles, 'B' Bishop) + form letter + order digit + page number
// (in full, so page 10 gives two digits) + ".PFM".
std::string PageFormName(char methodLetter, PageForm form, int order, int page);

// Writes the H, I and G forms of page `page` of order `order` with k grid columns (1..8) for
// method code kt, in this order, each closed before the next; the G form has a radius row when
// tableFormat is not 0. Stops at the first file that cannot be written.
OutputResult WritePageForms(int kt, int order, int page, int k, int tableFormat);

}  // namespace selvana
