// The DXF terrain import settings dialog.
#include "dialogs/DxfSet.h"

#include "mainwin/form_sizes.h"

namespace selvana {

TDxf* Dxf = nullptr;

TDxf::TDxf(QWidget* parent) : SettingsForm(kSlotDxf, "地形DXFファイル読み取り設定", parent) {}

}  // namespace selvana
