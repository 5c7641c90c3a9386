// Creation of the program's windows in their fixed order.
#include "app/program_windows.h"

#include "calc/progress/qt/Msg.h"
#include "calc/progress/qt/Stop.h"
#include "calc/progress/qt/qt_calc_progress.h"
#include "dialogs/AnswerTbl.h"
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
#include "mainwin/qt/main_form.h"

namespace selvana {
namespace {

template <typename T>
void Create(T*& instance) {
  instance = new T();
}

template <typename T>
void Destroy(T*& instance) {
  delete instance;
  instance = nullptr;
}

}  // namespace

std::unique_ptr<QtCalcProgress> CreateProgramWindows() {
  Main_Frm = new TMain_Frm();
  Create(Line_Frm);
  Create(Circ_Frm);
  Create(Cal_Frm);
  Create(XY_Frm);
  Create(Blk_Frm);
  Create(Draw_Frm);
  Create(Disp_Frm);
  Create(XYT_Frm);
  Create(LNT_Frm);
  Create(Msg_Frm);
  Stop_Frm = new TStop_Frm(Msg_Frm);
  Create(Ans_Frm);
  Create(AboutBox);
  Create(PLine_Frm);
  Create(Dxf);
  Create(NenT_Frm);
  Create(Line_Frm2);
  Create(YT_Frm);
  Create(PA_Frm);
  return std::make_unique<QtCalcProgress>(*Msg_Frm, *Stop_Frm);
}

void DestroyProgramWindows() {
  Destroy(PA_Frm);
  Destroy(YT_Frm);
  Destroy(Line_Frm2);
  Destroy(NenT_Frm);
  Destroy(Dxf);
  Destroy(PLine_Frm);
  Destroy(AboutBox);
  Destroy(Ans_Frm);
  Destroy(Stop_Frm);
  Destroy(Msg_Frm);
  Destroy(LNT_Frm);
  Destroy(XYT_Frm);
  Destroy(Disp_Frm);
  Destroy(Draw_Frm);
  Destroy(Blk_Frm);
  Destroy(XY_Frm);
  Destroy(Cal_Frm);
  Destroy(Circ_Frm);
  Destroy(Line_Frm);
  Destroy(Main_Frm);
}

}  // namespace selvana
