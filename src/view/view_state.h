// Where the main view looks: image size, view centre, model origin and scale, and the three
// transforms between model metres, screen pixels and paper millimetres of the figure.
#pragma once

namespace selvana {

struct ViewStateRecord {
  int ImageWidth = 1600;  // pixels of the main view's image
  int ImageHeight = 1600;
  int CentreX = 800;     // ImageWidth / 2
  int CentreY = 800;     // ImageHeight / 2
  double OriginX = 0.0;  // model X (m) at the view centre
  double OriginY = 0.0;  // model Y (m) at the view centre
  double Scale = 50.0;   // pixels per metre
};

// The one view of the program. Screen y grows downwards, model Y upwards.
extern ViewStateRecord ViewState;

// Part of the project reset: image size from the view's canvas (1600 x 1600 when none is
// installed), centre at half of it, scale 50 px/m, origin (0, 0).
void ResetViewState();

// Takes a new image size (the view widget was resized) and centres on it, keeping origin and
// scale, so the model point at the centre stays there. An empty size is ignored.
void ViewImageResized(int width, int height);

// Model metres to screen pixels: sx = trunc((x - OriginX) * Scale + 0.1) + CentreX,
// sy = CentreY - trunc((y - OriginY) * Scale + 0.1), saturated (view/pixels.h). Returns 0.
int ModelToScreen(double x, double y, int& sx, int& sy);

// Paper millimetres of the calculation figure, from the lower left corner of the figure frame,
// to screen pixels (through the model point of that paper position). Returns 0.
int PaperToScreen(double px, double py, int& sx, int& sy);

// Screen pixels to model metres, not truncated. Returns 0.
int ScreenToModel(int sx, int sy, double& x, double& y);

}  // namespace selvana
