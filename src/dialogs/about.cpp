// The version box dialog.
#include "dialogs/about.h"

#include "mainwin/form_sizes.h"

namespace selvana {

TAboutBox* AboutBox = nullptr;

TAboutBox::TAboutBox(QWidget* parent) : SettingsForm(kSlotAbout, "ﾊﾞｰｼﾞｮﾝ情報", parent) {}

}  // namespace selvana
