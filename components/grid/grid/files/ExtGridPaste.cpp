// TExtStringGrid: pasting text (Tab between fields, CR LF between lines) and the smart paste
// that fills a selection from one value or continues a series in it.
#include <functional>

#include "components/grid/core/GridUtil.h"
#include "components/grid/formats/TabText.h"
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridPrivate.h"
#include "components/grid/grid/files/CopyPaste.h"
#include "platform/core/format.h"

namespace {

bool Holds(const AnsiString& Text, char Ch) { return CharPos(Ch, Text) > 0; }

// A quoted field of a multi-line clipboard text: its quotes off, its line breaks back.
AnsiString UnquoteMultiLine(const AnsiString& Field) {
  const std::size_t from = !Field.empty() && Field[0] == '"' ? 1 : 0;
  const std::size_t to =
      Field.size() > from && Field[Field.size() - 1] == '"' ? Field.size() - 1 : Field.size();
  AnsiString text = Field.substr(from, to - from);
  return CSVToLineFeeds(text);
}

}  // namespace

TPoint TExtStringGrid::PasteSize(const char* Text) { return TabTextSize(Text ? Text : ""); }

// ACol is a shown column; the fields go to the shown columns from there.
int TExtStringGrid::PasteText(int ACol, int ARow, const char* Text) {
  CopyPaste paste(*this);
  if (!Text || ACol < 0 || ARow < 0 || ACol >= GetColCount() || ARow >= GetRowCount() ||
      !paste.MayPaste())
    return 0;
  const TTabRows rows = TabTextRows(Text);
  int fields = 0;
  TGridRect pasted{ACol, ARow, ACol, ARow};
  BeginUpdate();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const int row = ARow + static_cast<int>(i);
    for (std::size_t k = 0; k < rows[i].size(); ++k) {
      const int col = ACol + static_cast<int>(k);
      AnsiString field = rows[i][k];
      if (MultiLineClipboard && Holds(field, '"')) field = UnquoteMultiLine(field);
      const bool last = i + 1 == rows.size() && k + 1 == rows[i].size();
      if (!(last && field.empty()) && col < GetColCount() && row < GetRowCount() &&
          paste.MayPasteInto(RemapCol(col), row))
        SetCellEx(RemapCol(col), row, field);
      ++fields;
      pasted.Right = std::max(pasted.Right, col);
      if (Navigation.AllowClipboardColGrow && k + 1 < rows[i].size() && col + 1 >= GetColCount())
        SetColCount(col + 2);
    }
    pasted.Bottom = row;
    if (Navigation.AllowClipboardRowGrow && i + 1 < rows.size() && row + 1 >= GetRowCount())
      SetRowCount(row + 2);
  }
  EndUpdate();
  PasteNotify(d_->clip->CopyOrigin, pasted, d_->clip->Operation);
  CellsChanged(TRect(pasted.Left, pasted.Top, pasted.Right, pasted.Bottom));
  return fields;
}

namespace {

enum class Series { Dates, Integers, Texts, Floats };

Series SeriesOf(const AnsiString& First, const AnsiString& Second) {
  auto dateLike = [](const AnsiString& s) {
    return Holds(s, DateSeparator) || Holds(s, TimeSeparator);
  };
  if (dateLike(First) && dateLike(Second)) return Series::Dates;
  if (Holds(First, DecimalSeparator) || Holds(Second, DecimalSeparator)) return Series::Floats;
  int a, b;
  return TryStrToInt(First, a) && TryStrToInt(Second, b) ? Series::Integers : Series::Texts;
}

bool ReadDateTime(const AnsiString& Text, TDateTime& Value) {
  return Holds(Text, DateSeparator) ? TryStrToDate(Text, Value) : TryStrToTime(Text, Value);
}

}  // namespace

// The cells along the selection receive the running values from the top-left one on; a value
// that does not convert makes the pasted block repeat instead.
void TExtStringGrid::CopyPaste::FillSelection(int Pasted) {
  const TGridRect s = g.GetSelection();
  const int width = s.Right - s.Left + 1, height = s.Bottom - s.Top + 1;
  if (width * height <= 1 || Pasted < 1) return;
  std::vector<TPoint> cells;
  for (int r = s.Top; r <= s.Bottom; ++r)
    for (int c = s.Left; c <= s.Right; ++c) cells.emplace_back(g.RemapCol(c), r);
  auto fill = [&](const std::function<void(std::size_t, TPoint)>& Give) {
    g.BeginUpdate();
    for (std::size_t i = 0; i < cells.size(); ++i)
      if (MayPasteInto(cells[i].x, cells[i].y)) Give(i, cells[i]);
    g.EndUpdate();
    g.CellsChanged(TRect(s.Left, s.Top, s.Right, s.Bottom));
  };
  // The selection is in shown columns, the cells in stored ones.
  const AnsiString first = g.GetCellEx(cells[0].x, cells[0].y);
  if (Pasted == 1) {
    fill([&](std::size_t, TPoint P) { g.SetCellEx(P.x, P.y, first); });
    return;
  }
  if (width > 1 && height > 1) return;
  const AnsiString second = g.GetCellEx(cells[1].x, cells[1].y);
  const Series series = SeriesOf(first, second);
  TDateTime date1, date2;
  double float1, float2;
  if (series == Series::Dates && ReadDateTime(first, date1) && ReadDateTime(second, date2)) {
    unsigned short y1, m1, d1, y2, m2, d2;
    DecodeDate(date1, y1, m1, d1);
    DecodeDate(date2, y2, m2, d2);
    const bool time = !Holds(first, DateSeparator);
    TDateTime value = date1;
    bool inRange = true;
    fill([&](std::size_t, TPoint P) {
      if (!inRange) return;
      g.SetCellEx(P.x, P.y, time ? TimeToStr(value) : DateToStr(value));
      try {
        value = GetNextDate(value, y2 - y1, m2 - m1, d2 - d1, date2 - date1);
      } catch (const EConvertError&) {
        inRange = false;  // the series ends at the last valid date
      }
    });
  } else if (series == Series::Integers) {
    const int64_t start = StrToInt(first);
    const int64_t step = StrToInt(second) - start;
    fill([&](std::size_t i, TPoint P) {
      g.SetInts(P.x, P.y, static_cast<int>(start + static_cast<int64_t>(i) * step));
    });
  } else if (series == Series::Floats && TryStrToFloat(first, float1) &&
             TryStrToFloat(second, float2)) {
    fill([&](std::size_t i, TPoint P) {
      g.SetCellEx(P.x, P.y,
                  Format(g.FloatFormat, float1 + static_cast<double>(i) * (float2 - float1)));
    });
  } else {
    const std::size_t block = static_cast<std::size_t>(Pasted);
    fill([&](std::size_t i, TPoint P) {
      if (i >= block) g.SetCellEx(P.x, P.y, g.GetCellEx(cells[i - block].x, cells[i - block].y));
    });
  }
}
