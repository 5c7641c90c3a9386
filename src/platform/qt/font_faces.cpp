// The substitutes of the Japanese faces and the windows' default font.
#include "platform/qt/font_faces.h"

#include <QString>

namespace selvana {
namespace {

// The names a face is asked for by, with and without the blank.
constexpr const char* kFixedNames[] = {"ＭＳゴシック", "ＭＳ ゴシック"};
constexpr const char* kProportionalNames[] = {"ＭＳＰゴシック", "ＭＳ Ｐゴシック"};
constexpr int kFormFontPixels = 12;

}  // namespace

void InstallFontSubstitutes() {
  for (const char* name : kFixedNames) {
    QFont::insertSubstitution(QString::fromUtf8(name), kFixedFace);
  }
  for (const char* name : kProportionalNames) {
    QFont::insertSubstitution(QString::fromUtf8(name), kProportionalFace);
  }
}

QFont FormFont() {
  QFont font(QString::fromUtf8(kProportionalNames[1]));
  font.setPixelSize(kFormFontPixels);
  return font;
}

}  // namespace selvana
