// The run's checks of the block outlines: every used block must trace a closed outline that
// walks no edge twice and holds its own seed and no other, and no two blocks may trace the same
// one, or the slices would read the region's soil wrongly (missing, or counted twice).
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
// A block's seed outside the outline it traced (a loop walked from outside, backwards), and
// another block's seed inside a block's outline (an island in its region, or two blocks in one).
std::optional<std::string> SeedOutsideOutlineRefusal();
std::optional<std::string> SeedInsideOutlineRefusal();

}  // namespace selvana
