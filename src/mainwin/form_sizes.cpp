// Default window sizes and the slot table itself.
#include "mainwin/form_sizes.h"

namespace selvana {

std::array<FormSize, kFormSizeCount> FormSizes{};

namespace {

struct DefaultSize {
  int slot;
  int width;
  int height;
};

constexpr DefaultSize kDefaults[] = {
    {0, 800, 600},  {1, 777, 625},  {2, 432, 505},  {3, 475, 412},  {4, 409, 390},  {5, 370, 428},
    {6, 615, 428},  {7, 441, 385},  {8, 500, 529},  {9, 254, 111},  {10, 370, 434}, {11, 350, 504},
    {12, 600, 500}, {13, 646, 493}, {14, 284, 105}, {15, 390, 355}, {16, 342, 283}, {18, 272, 400},
    {29, 112, 65},  {30, 458, 90},  {31, 450, 228},
};

}  // namespace

void ResetFormSizes() {
  for (const DefaultSize& d : kDefaults) FormSizes[d.slot] = FormSize{d.width, d.height, 0, 0};
}

}  // namespace selvana
