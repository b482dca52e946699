#include "components/grid/core/FindFilterState.h"

#include "components/grid/core/GridUtil.h"
#include "components/grid/html/HTMLStrip.h"

void TFindFilterState::Start(const AnsiString& Text, TFindParameters Params) {
  params_ = Params;
  text_ = Params.Contains(fnMatchCase) ? Text : AnsiUpperCase(Text);
}

bool TFindFilterState::Matches(AnsiString CellText) const {
  const bool matchCase = params_.Contains(fnMatchCase);
  if (!matchCase) CellText = AnsiUpperCase(CellText);
  if (params_.Contains(fnIgnoreHTMLTags)) CellText = HTMLStrip(CellText);
  if (params_.Contains(fnMatchRegular)) return MatchStrEx(text_, CellText, matchCase);
  const std::size_t at = CellText.find(text_);
  if (at == AnsiString::npos) return false;
  if (params_.Contains(fnMatchStart) && at != 0) return false;
  return !params_.Contains(fnMatchFull) || CellText == text_;
}

std::string TFindFilterState::Fault() const {
  if (FilterFixedRows < 0) return "negative fixed rows kept";
  if (FilterFixedRows > 0 && !FilterActive) return "fixed rows kept while the filter is off";
  return {};
}
