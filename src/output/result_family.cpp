// The descriptions of the three kinds of result files.
#include "output/result_family.h"

#include "model/project_model.h"
#include "platform/number_format.h"

namespace selvana {

const ResultFamily kCircleFamily{
    'C',
    true,
    true,
    false,
    {"修正フェレニウス(%d次) 計算結果一覧表", "チェボタリオフ(%d次) 計算結果一覧表"},
    {"修正フェレニウス(%d次) 安全率一覧表", "チェボタリオフ(%d次) 安全率一覧表"},
    {"修正フェレニウス(%d次) 最小安全率", "チェボタリオフ(%d次) 最小安全率"},
    "X,Y,R,MRF,MRC,MR,MD,F"};

const ResultFamily kBishopFamily{
    'B',
    true,
    false,
    true,
    {"簡易ビショップ(%d次) 計算結果一覧表", "簡易ビショップ-修正式 (%d次) 計算結果一覧表"},
    {"簡易ビショップ(%d次) 安全率一覧表", "簡易ビショップ-修正式 (%d次) 安全率一覧表"},
    {"簡易ﾋﾞｼｮｯﾌﾟ (%d次) 最小安全率", "簡易ﾋﾞｼｮｯﾌﾟ-修正式 (%d次) 最小安全率"},
    "X,Y,R,PR,PD,F"};

const ResultFamily kStraightFamily{'L',
                                   false,
                                   false,
                                   false,
                                   {"直線ｽﾍﾞﾘ(%d次)計算結果一覧表", "直線ｽﾍﾞﾘ(%d次)計算結果一覧表"},
                                   {"", ""},
                                   {"直線すべり(%d次)最小安全率", "直線すべり(%d次)最小安全率"},
                                   "X,Y,α,PRF,PRC,PR,PD,F"};

std::string OrderTitle(const std::array<const char*, 2>& titles, int order) {
  const bool first = cm.kt == kMethodFellenius || cm.kt == kMethodBishop;
  return StrFormat(titles[first ? 0 : 1], order);
}

std::string FamilyForm(const ResultFamily& family, const char* rest) {
  return StrFormat("SB_%c%s", family.Letter, rest);
}

MomentTerms TermsOf(const ResultFamily& family, double mrf, double mrc, double mr, double md,
                    double rr) {
  if (!family.PerRadius) return {{mrf, mrc, mr, md}, 4};
  // A radius of 0 cannot come from a search; it gives 0 rather than a division by zero.
  if (rr == 0.0) return {{0.0, 0.0}, 2};
  return {{mr / rr, md / rr}, 2};
}

int SafetyDecimals() { return DrawSettings.ShownDecimals()[0]; }
int MomentDecimals() { return DrawSettings.ShownDecimals()[7]; }

}  // namespace selvana
