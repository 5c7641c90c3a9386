// Checks of rendered widgets for the window tests: how dark the darkest pixel of a grab is and
// whether a grab shows red; and where a test saves a picture for a person to look at.
#pragma once
#include <QColor>
#include <QImage>
#include <algorithm>
#include <filesystem>
#include <string>

namespace selvana::test {

// The grey level (0 black .. 255 white) of the darkest pixel.
inline int DarkestGrey(const QImage& image) {
  int darkest = 255;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) darkest = std::min(darkest, qGray(image.pixel(x, y)));
  }
  return darkest;
}

// True when some pixel is a clear red (text drawn in red, not a dark or pale shade of it).
inline bool ShowsRed(const QImage& image) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.red() > 200 && c.green() < 80 && c.blue() < 80) return true;
    }
  }
  return false;
}

// Saves image as name in the build tree's picture folder (never where the tests run); true when
// written.
inline bool SavePicture(const QImage& image, const std::string& name) {
  const std::filesystem::path folder = SELVANA_TEST_OUTPUT;
  std::filesystem::create_directories(folder);
  return image.save(QString::fromStdString((folder / name).string()));
}

}  // namespace selvana::test
