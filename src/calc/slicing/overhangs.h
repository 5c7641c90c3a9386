// The sections that vertical slices cannot read: soil standing over air, as under an overhang
// or an undercut. A slice takes each block's highest and lowest crossing, so the air under an
// overhang would count as soil, and a slip surface that leaves the ground below it would leave
// the soil above it out of the sliding mass.
#pragma once
#include <optional>
#include <string>

namespace selvana {

// The refusal of a section in which some vertical meets a soil or structure block, then air,
// then a block of the same mass again, naming the first stretch of X where it does; nothing
// otherwise. Blocks that share an outline corner, directly or through others, are one mass: a
// block that touches no other stands on nothing and over nothing. Water blocks are blocks, not
// air: soil over water is not refused, nor water over air. A face that is vertical (its ends
// less than 0.0001 apart in X, as the slices see it) is no overhang. Reads the traced
// BlockPolygonLists of the used blocks.
std::optional<std::string> SoilOverAirRefusal();

}  // namespace selvana
