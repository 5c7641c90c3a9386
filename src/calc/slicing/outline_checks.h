// The run's checks of the block outlines: every used block must trace a closed outline that
// walks no edge twice, and no two blocks may trace the same one, or the slices would read the
// region's soil wrongly (missing, or counted twice).
#pragma once
#include <optional>
#include <string>

namespace selvana {

// Each returns the refusal message (UTF-8) naming the first block that fails, or nothing. They
// read the outlines BuildBlockPolygons kept; a used block without one is traced again to see
// why. A model whose blocks all pass is left exactly as the tracing left it.
std::optional<std::string> OpenOutlineRefusal();
std::optional<std::string> EdgeWalkedTwiceRefusal();
std::optional<std::string> SharedOutlineRefusal();

}  // namespace selvana
