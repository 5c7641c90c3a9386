// Every dialog opened at its saved size, the default one or a far too small one from a damaged
// settings file, still shows each of its buttons, edits and labels whole inside the window; and
// no dialog needs more height than its default size or more width than a 1024 x 768 screen; each
// opens at its default width.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <functional>
#include <memory>

#include "dialogs/BlockSet.h"
#include "dialogs/CalJkn.h"
#include "dialogs/CircJkn.h"
#include "dialogs/DispJkn.h"
#include "dialogs/DrawJkn.h"
#include "dialogs/DxfSet.h"
#include "dialogs/LNTbl.h"
#include "dialogs/LineJkn.h"
#include "dialogs/LineJkn2.h"
#include "dialogs/NenTBL.h"
#include "dialogs/PAnzen.h"
#include "dialogs/PLine.h"
#include "dialogs/XYInput.h"
#include "dialogs/XYTbl.h"
#include "dialogs/YaitaJkn.h"
#include "dialogs/about.h"
#include "mainwin/form_sizes.h"
#include "platform/qt/font_faces.h"

namespace selvana {
namespace {

struct DialogCase {
  const char* name;
  std::function<std::unique_ptr<SettingsForm>()> make;
};

template <typename T>
DialogCase Case(const char* name) {
  return {name, [] { return std::make_unique<T>(); }};
}

// The least size a layout gives a control: its own minimum where set, else its hint.
QSize LeastSize(const QWidget* w) {
  const QSize hint = w->minimumSizeHint().boundedTo(w->maximumSize());
  return {w->minimumWidth() > 0 ? w->minimumWidth() : hint.width(),
          w->minimumHeight() > 0 ? w->minimumHeight() : hint.height()};
}

// The first control that lies partly outside the dialog or got less room than it needs. The
// parts Qt builds inside its own compound controls (the edit of a spin box) are left to it.
std::string FirstHiddenControl(QDialog& dialog) {
  for (QWidget* w : dialog.findChildren<QWidget*>()) {
    const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
                         qobject_cast<QLabel*>(w);
    if (!control || w->objectName().startsWith("qt_") || !w->isVisibleTo(&dialog)) continue;
    const QRect place(w->mapTo(&dialog, QPoint(0, 0)), w->size());
    const QSize least = LeastSize(w);
    if (!dialog.rect().contains(place) || w->width() < least.width() ||
        w->height() < least.height()) {
      return (w->objectName() + " " + w->property("text").toString()).toStdString();
    }
  }
  return "";
}

// The width a dialog's client area has on a 1024 x 768 screen, less its frame.
constexpr int kSmallScreenWidth = 1000;

TEST(DialogSizes, EveryControlFitsAtTheDefaultAndATinySizeAndTheDefaultWidthHolds) {
  InstallFontSubstitutes();  // as the program does
  const DialogCase cases[] = {
      Case<TCal_Frm>("calculation conditions"),
      Case<TCirc_Frm>("circle search"),
      Case<TLine_Frm>("line from a point"),
      Case<TLine_Frm2>("line between segments"),
      Case<TDraw_Frm>("drawing settings"),
      Case<TDisp_Frm>("display settings"),
      Case<TAboutBox>("version box"),
      Case<TDxf>("DXF import"),
      Case<TBlk_Frm>("block constants"),
      Case<TXY_Frm>("point input"),
      Case<TXYT_Frm>("point table"),
      Case<TLNT_Frm>("line table"),
      Case<TNenT_Frm>("cohesion line"),
      Case<TYT_Frm>("sheet pile"),
      Case<TPA_Frm>("partial factors"),
      Case<TPLine_Frm>("parallel line distance"),
  };
  for (const DialogCase& c : cases) {
    for (const bool tiny : {false, true}) {
      ResetFormSizes();
      std::unique_ptr<SettingsForm> dialog = c.make();
      if (tiny) FormSizes[dialog->FormSlot()] = {40, 30, 0, 0};
      const int savedHeight = FormSizes[dialog->FormSlot()].Height;
      const int savedWidth = FormSizes[dialog->FormSlot()].Width;
      dialog->show();
      QApplication::processEvents();
      EXPECT_EQ(FirstHiddenControl(*dialog), "") << c.name << (tiny ? " (tiny)" : "");
      dialog->hide();
      if (tiny) continue;
      EXPECT_EQ(dialog->width(), savedWidth) << c.name;
      // A dialog taller than its default size would not fit a 768-pixel screen where the
      // default does, and would write its larger size back into the slot at once.
      const QSize least = dialog->minimumSizeHint();
      EXPECT_LE(least.width(), kSmallScreenWidth) << c.name;
      EXPECT_LE(least.height(), savedHeight) << c.name;
    }
  }
}

}  // namespace
}  // namespace selvana
