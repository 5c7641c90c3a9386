// The checks every run entry makes on the model itself once the block outlines are traced and
// before anything is calculated: a model the slices would read wrong is refused with its reason.
#pragma once
#include <optional>
#include <string>

namespace selvana {

// One check of the model before a run: the message that refuses the run, or nothing when the
// model passes it. Checks read the model and the traced BlockPolygonLists; they change nothing.
using RunModelCheck = std::optional<std::string> (*)();

// Runs the checks in their order and shows the message of the first that refuses (caption
// "error"); true when the run may go on. Called by every run entry after BuildBlockPolygons.
bool CheckRunModel();

}  // namespace selvana
