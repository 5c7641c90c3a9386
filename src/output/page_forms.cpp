// Generating the page forms of the safety-factor tables: a grid of cells written as a comment,
// a size line, a widths line, then per row its attributes, contents and border codes.
#include "output/page_forms.h"

#include <array>
#include <string_view>

#include "model/project_model.h"
#include "platform/cp932.h"
#include "platform/number_format.h"

namespace selvana {
namespace {

// The four border codes of a row: of the Y cell, of the first grid cell, of the grid cells
// between, and of the last grid cell. A grid cell takes its left side from the first or the
// middle code and its other sides from the code of its place, so a lone grid cell gets the left
// side of the first and the rest of the last.
struct BorderCodes {
  std::string_view y, first, middle, last;
};

std::string BorderLine(const BorderCodes& codes, int k) {
  std::string line(codes.y);
  for (int i = 1; i <= k; ++i) {
    const std::string_view leftFrom = i == 1 ? codes.first : codes.middle;
    const std::string_view placeFrom = i == k ? codes.last : leftFrom;
    line += ',';
    line += leftFrom[0];
    line += placeFrom.substr(1);
  }
  return line;
}

// "first" followed by k cells of "cell".
std::string RepeatLine(std::string_view first, std::string_view cell, int k) {
  std::string line(first);
  for (int i = 0; i < k; ++i) {
    line += ',';
    line += cell;
  }
  return line;
}

// The placeholders "$D0^^^", "$D1^^^" ... "$Dk^^^" with D the row digit.
std::string PlaceholderLine(int rowDigit, int k) {
  std::string line;
  for (int i = 0; i <= k; ++i) {
    if (i > 0) line += ',';
    line += StrFormat("$%1d%1d^^^", rowDigit, i);
  }
  return line;
}

// The comment line of the forms by method code: header forms, row forms.
std::string_view FormComment(int kt, bool rowForm) {
  switch (kt) {
    case kMethodTschebotarioff:
      return rowForm ? "円形すべり(チェボタリオフ法)  データファイル"
                     : "円形すべり(チェボタリオフ法)  ヘッダーファイル";
    case kMethodBishop:
      return rowForm ? "円形すべり(ビショップ法)　　　データファイル"
                     : "円形すべり(ビショップ法)　　　ヘッダーファイル";
    case kMethodModifiedBishop:
      return rowForm ? "円形すべり(ビショップ法-修正式)データファイル"
                     : "円形すべり(ビショップ法-修正式)ヘッダーファイル";
    default:
      return rowForm ? "円形すべり(修正フェレニウス法)データファイル"
                     : "円形すべり(修正フェレニウス法)ヘッダーファイル";
  }
}

// Comment, size line and widths line of a form of `rows` rows and k + 1 columns.
void FormTop(OutputFile& file, int kt, bool rowForm, int rows, int k) {
  file.Utf8Line(FormComment(kt, rowForm));
  file.Line(StrFormat("%d,%d,0,0", rows, k + 1));
  file.Line(RepeatLine("8", "8", k));
}

// The H form, or with a blank title the I form.
void WriteHeaderForm(OutputFile& file, int kt, int order, int k, bool titled) {
  FormTop(file, kt, false, 2, k);
  file.Line(RepeatLine("2", "@", k));
  const std::string title =
      titled ? StrFormat("［ 円形すべり 安全率一覧表 ］ %d次格子", order) : std::string(" ");
  file.Line(RepeatLine(ToCp932(title), "@", k));
  file.Line(RepeatLine("0200", "@", k));
  file.Line(RepeatLine("3", "3", k));
  std::string heads = ToCp932("Ｙ＼Ｘ");
  for (int i = 1; i <= k; ++i) heads += StrFormat(",$0%1d^^^", i);
  file.Line(heads);
  file.Line(BorderLine({"4444", "4414", "1414", "1444"}, k));
}

void WriteRowForm(OutputFile& file, int kt, int k, int tableFormat) {
  const bool radii = tableFormat != 0;
  FormTop(file, kt, true, radii ? 2 : 1, k);
  file.Line(RepeatLine("1", "1", k));
  file.Line(PlaceholderLine(0, k));
  if (radii) {
    file.Line(BorderLine({"4041", "4011", "1011", "1041"}, k));
    file.Line(RepeatLine("1", "1", k));
    file.Line(PlaceholderLine(1, k));
    file.Line(BorderLine({"4140", "4110", "1110", "1140"}, k));
    file.Line(BorderLine({"4440", "4410", "1410", "1440"}, k));
  } else {
    file.Line(BorderLine({"4141", "4111", "1111", "1141"}, k));
    file.Line(BorderLine({"4441", "4411", "1411", "1441"}, k));
  }
}

}  // namespace

char TableMethodLetter(int kt) {
  return kt == kMethodBishop || kt == kMethodModifiedBishop ? 'B' : 'C';
}

std::string PageFormName(char methodLetter, PageForm form, int order, int page) {
  return StrFormat("SB_%c%c%1d%d.PFM", methodLetter, static_cast<char>(form), order, page);
}

OutputResult WritePageForms(int kt, int order, int page, int k, int tableFormat) {
  for (const PageForm form : {PageForm::Header, PageForm::LaterHeader, PageForm::Row}) {
    OutputFile file;
    file.Open(PageFormName(TableMethodLetter(kt), form, order, page));
    if (form == PageForm::Row) {
      WriteRowForm(file, kt, k, tableFormat);
    } else {
      WriteHeaderForm(file, kt, order, k, form == PageForm::Header);
    }
    OutputResult result = Finish(file);
    if (!result.Ok()) return result;
  }
  return {};
}

}  // namespace selvana
