// The main window's pieces lent to the view.
#include "view/view_ports.h"

namespace selvana {

MainViewPorts ViewPorts;
ViewMenuPort ViewMenus;

}  // namespace selvana
