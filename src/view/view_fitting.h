// Choosing the view from the model (the show-all command), the two scroll bars that move it, and
// their steps, which follow the visible size of the model at every redraw.
#pragma once

namespace selvana {

// Scale and origin from the extents of the loads, forces, search area and points; sets both
// scroll bars (without firing their handlers) and redraws. An empty image keeps the old scale.
// Returns 0.
int FitViewToModel();

// The handlers of the scroll bars: the horizontal bar's position is OriginX; the vertical bar
// runs top to bottom, so OriginY = Max + Min - Position. Each redraws the view (mode 0); the main
// window puts the mouse highlights back afterwards. Return 0.
int HorizontalScrollChanged();
int VerticalScrollChanged();

// Large and small steps of both bars from the visible width and height in metres (a third and a
// thirtieth; a step that truncates to 0 becomes 1).
void SetScrollStepsFromView();

}  // namespace selvana
