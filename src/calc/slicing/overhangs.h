// The sections that vertical slices cannot read: a block standing over air over itself, as
// under an overhang or an undercut of one block. A slice takes each block's highest and lowest
// crossing, so the air between two crossings of one block would count as that block. Blocks
// apart, with air between them, are each read right.
#pragma once
#include <optional>
#include <string>

namespace selvana {

// The refusal of a section in which some vertical meets a soil or structure block, then air,
// then the same block again, over a stretch of X wider than the slice width (cm.SliceWidth):
// it names the block and the first such stretch, and asks for the part above the air to be made
// a block of its own. Nothing otherwise: a narrower stretch is below what the slices resolve, as
// is a face a hair out of plumb. Water blocks are blocks, not air: soil over water is not
// refused, nor water over air. Reads the traced BlockPolygonLists of the used blocks.
std::optional<std::string> SoilOverAirRefusal();

}  // namespace selvana
