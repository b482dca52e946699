// TExtStringGrid: the text step of painting a cell: the selection colours, the filter mark,
// the background picture, the selection rectangle, then the text by its kind (rich text,
// HTML through the mini-HTML renderer, plain text and formulas) with the room the cell
// graphic, the filter mark and the sort mark take.
#include <algorithm>

#include "components/grid/grid/paint/CellTextFlags.h"
#include "components/grid/grid/paint/ExtGridCellPaint.h"
#include "components/grid/core/GridUtil.h"
#include "platform/winapi/drawtext.h"

namespace {

// The cell graphic's placement beside the text (TCellHAlign and TCellVAlign values).
constexpr int kBeforeText = 3;
constexpr int kAfterText = 4;
constexpr int kUnderText = 3;
constexpr int kAboveText = 4;

constexpr int kFilterGlyphWidth = 16;
constexpr int kHTMLFilterRoom = 18;  // HTML text keeps this much free of the filter mark
constexpr int kHTMLSortRoom = 10;
constexpr int kSortRoom = 14;  // kept free beside a sort column's header text
constexpr int kCentredSortShift = 10;
constexpr int kSortGap = 10;       // between the text and the sort mark
constexpr int kSortMarkInset = 8;  // of the sort mark from the top or bottom edge

// Where the sort mark's centre lies vertically in the text rectangle.
int SortMarkY(const TRect& R, TVAlignment Align) {
  switch (Align) {
    case vtaCenter:
      return R.Top + R.Height() / 2;
    case vtaBottom:
      return R.Bottom - kSortMarkInset;
    default:
      return R.Top + kSortMarkInset;
  }
}

}  // namespace

bool TExtStringGrid::SortIndicatorShows(int ACol, int ARow) {
  if (!SortSettings.GetShow() || ARow != SortSettings.GetRow() || GetRowCount() <= 2 ||
      GetFixedRows() < 1)
    return false;
  const int index = SortIndexes.FindIndex(ACol);
  if (ACol != SortSettings.GetColumn() && index < 0) return false;
  if (ACol < GetFixedCols() && !SortSettings.FixedCols) return false;
  return index <= 0 || SortSettings.GetIndexShow();
}

void TExtStringGrid::DrawCellText(CellPaint& P) {
  TCanvas* canvas = P.Canvas;
  SelectCellColors(P);
  AnsiString text = GetCellEx(P.RealCol, P.Row);
  const TTextType type = TextType(text, EnableHTML);
  if (type == ttFormula) text = CalcCell(P.RealCol, P.Row);
  bool password = false;
  GetCellPassword(P.RealCol, P.Row, password);
  if (password) StringToPassword(text, PasswordChar);

  if (IsNormalCell(P.Col, P.Row) && !RowSelectDragging && MouseActions.DisjunctRowSelect &&
      !GetRowSelect(P.Row)) {
    P.URLColor = URLColor;
    canvas->Brush->SetColor(P.Brush);
    canvas->Font->SetColor(P.FontColor);
    GetCellColor(P.RealCol, P.Row, P.State, canvas->Brush, canvas->Font);
  }
  // The base grid filled the cell in its own colours; a selection shows in others.
  if (canvas->Brush->GetColor() != P.Shown) {
    canvas->Brush->SetStyle(bsSolid);
    canvas->FillRect(P.Rect);
    P.Shown = canvas->Brush->GetColor();
  }
  if (P.Row == 0 && GetFilter(P.RealCol)) DrawFilterGlyph(P);
  if (!BackGround.GetBitmap()->GetEmpty()) {
    const bool kind = BackGround.GetCells() == bcAll ||
                      (BackGround.GetCells() == bcFixed) == P.State.Contains(gdFixed);
    const bool selected = P.State.Contains(gdSelected), focused = P.State.Contains(gdFocused);
    const bool drawnSelected = (selected || focused) &&
                               !(focused && !GetOptions().Contains(goDrawFocusSelected)) &&
                               GetShowSelection();
    if (kind && !drawnSelected) {
      if (BackGround.GetDisplay() == bdTile)
        DrawBackgroundPictureCell(P);
      else
        DrawBackgroundPicture(P);
    }
  }
  if (SelectionRectangle) DrawSelectionRectangle(P);
  if (!P.GraphicText) return;

  TRect r = P.Rect;
  r.Right -= 2;
  r.Left += GetXYOffset().x;
  r.Top += GetXYOffset().y;
  const bool besideText = P.HAlign != taCenter;
  if (P.GraphicHAlign == kBeforeText && besideText) r.Left += P.GraphicW;
  if (P.GraphicHAlign == kAfterText && besideText) r.Right -= P.GraphicW;
  if (P.GraphicVAlign == kAboveText) r.Top += P.GraphicH;
  if (P.GraphicVAlign == kUnderText) r.Bottom -= P.GraphicH;

  if (type == ttRTF) {
    const bool selectedUnfocused = P.State.Contains(gdSelected) && !P.State.Contains(gdFocused) &&
                                   GetSelectionColor() == clNone;
    if (!selectedUnfocused) canvas->FillRect(r);
    const TBrushStyle style = canvas->Brush->GetStyle();
    canvas->Brush->SetStyle(bsClear);
    RTFPaint(P.RealCol, P.Row, canvas, r);
    canvas->Brush->SetStyle(style);
    return;
  }
  if (type == ttHTML)
    DrawHTMLText(P, text, r);
  else
    DrawPlainText(P, text, r);
}

// Selected cells take the selection colours; without ShowSelection they keep their own.
void TExtStringGrid::SelectCellColors(CellPaint& P) {
  TCanvas* canvas = P.Canvas;
  const TGridOptions options = GetOptions();
  const bool rowListed =
      options.Contains(goRowSelect) && P.Col >= GetFixedCols() && GetRowSelect(P.Row);
  const bool selected = (P.State.Contains(gdSelected) || rowListed) &&
                        (!P.State.Contains(gdFocused) || options.Contains(goDrawFocusSelected));
  if (selected && GetShowSelection()) {
    if (GetSelectionColor() != clNone) canvas->Brush->SetColor(GetSelectionColor());
    if (GetSelectionTextColor() != clNone) canvas->Font->SetColor(GetSelectionTextColor());
    P.URLColor = GetSelectionTextColor();
  }
  if ((!Focused() || HasCheckBox(P.RealCol, P.Row)) && !GetShowSelection()) {
    canvas->Brush->SetColor(P.Brush);
    canvas->Font->SetColor(P.FontColor);
    P.URLColor = URLColor;
  }
}

void TExtStringGrid::DrawFilterGlyph(CellPaint& P) {
  const TRect& r = P.Rect;
  DrawBitmapResourceTransp(P.Canvas, P.Canvas->Brush->GetColor(),
                           {r.Right - kFilterGlyphWidth, r.Top, r.Right, r.Bottom}, "ESGFILT");
}

// A 2-pixel line along each side of the cell on the selection's outer edge, and the resizer's
// square at the selection's bottom-right corner.
void TExtStringGrid::DrawSelectionRectangle(CellPaint& P) {
  const TGridRect sel = GetSelection();
  if (!sel.Contains(P.Col, P.Row)) return;
  TCanvas* canvas = P.Canvas;
  const int inset = GetGridLineWidth();
  const TRect& r = P.Rect;
  canvas->Pen->SetColor(clBlack);
  canvas->Pen->SetWidth(2);
  const auto line = [&](int x1, int y1, int x2, int y2) {
    canvas->MoveTo(x1, y1);
    canvas->LineTo(x2, y2);
  };
  const TRect block = ShownBlock(P.Col, P.Row);
  const int right = block.Right, bottom = block.Bottom;
  if (P.Col == sel.Left) line(r.Left + inset, r.Top, r.Left + inset, r.Bottom);
  if (right >= sel.Right) line(r.Right - inset, r.Top, r.Right - inset, r.Bottom);
  if (P.Row == sel.Top) line(r.Left, r.Top + inset, r.Right, r.Top + inset);
  if (bottom >= sel.Bottom) line(r.Left, r.Bottom - inset, r.Right, r.Bottom - inset);
  canvas->Pen->SetWidth(1);
  if (SelectionResizer && right >= sel.Right && bottom >= sel.Bottom) {
    const TColor brush = canvas->Brush->GetColor();
    canvas->Brush->SetColor(clBlack);
    canvas->FillRect({r.Right - 4, r.Bottom - 4, r.Right, r.Bottom});
    canvas->Brush->SetColor(brush);
  }
}

void TExtStringGrid::DrawHTMLText(CellPaint& P, const AnsiString& Text, TRect R) {
  if (P.Row == 0 && GetFilter(P.RealCol)) R.Right -= kHTMLFilterRoom;
  const bool sortMark = SortIndicatorShows(P.RealCol, P.Row);
  if (sortMark) R.Right -= kHTMLSortRoom;
  THTMLDrawParams params = HTMLParams(P.URLColor);
  // Without the timer's blinking the phase stands still; the text must still show.
  params.BlinkOn = GetBlinkOn() || !EnableBlink;
  THTMLDrawResult result;
  HTMLDrawEx(P.Canvas, Text, R, params, result);
  if (sortMark) DrawSortIndicator(P.Canvas, P.RealCol, R.Right + 2, SortMarkY(R, P.VAlign));
}

void TExtStringGrid::DrawPlainText(CellPaint& P, AnsiString Text, TRect R) {
  TCanvas* canvas = P.Canvas;
  const bool sortShow = SortSettings.GetShow();
  const bool sortColumn = P.RealCol == SortSettings.GetColumn();
  if (P.HAlign == taCenter && sortShow && sortColumn && P.Row == SortSettings.GetRow())
    R.Left += kCentredSortShift;
  if (sortShow && sortColumn && P.Row == 0) {
    if (P.HAlign == taLeftJustify)
      R.Right -= kSortRoom;
    else
      R.Left += kSortRoom;
  }
  if (P.Row == 0 && GetFilter(P.RealCol)) R.Right -= kFilterGlyphWidth;

  const TFontStyles style = canvas->Font->GetStyle();
  const TColor color = canvas->Font->GetColor();
  if (URLShow && IsURL(Text)) {
    if (!URLFull) StripURLProtocol(Text);
    TFontStyles underlined = style;
    underlined << fsUnderline;
    canvas->Font->SetStyle(underlined);
    canvas->Font->SetColor(P.URLColor);
  }
  // Flags are made for each call: Multilinecells changes them for this grid only.
  unsigned flags = DT_NOPREFIX | DT_EXPANDTABS | WrapFlags(WordWrap, Multilinecells) |
                   HorizontalFlags(P.HAlign) | VerticalFlags(P.VAlign);
  if (LinesInText(Text, true) > 1 || WordWrap)
    flags |= DT_EDITCONTROL;
  else if (EnhTextSize)
    flags |= DT_SINGLELINE | DT_END_ELLIPSIS;
  else
    flags |= DT_SINGLELINE;
  if (flags & DT_SINGLELINE) {
    AnsiString rest = Text;
    Text = GetNextLine(rest, true);
  }
  const int mode = canvas->SetBkMode(TRANSPARENT);
  TRect drawn = R;
  DrawTextEx(canvas->GetHandle(), Text.c_str(), static_cast<int>(Text.size()), &drawn, flags,
             nullptr);
  canvas->SetBkMode(mode);

  int errFrom = 0, errLen = 0;
  if (GetMarker(P.RealCol, P.Row, errFrom, errLen) && errLen > 0)
    DrawErrorLines(this, canvas, Text, R, canvas->TextHeight("gh"), errFrom, errLen);
  if (SortIndicatorShows(P.RealCol, P.Row)) {
    const int w = std::clamp(canvas->TextWidth(Text), 0, std::max(0, R.Width()));
    const int x = P.HAlign == taLeftJustify    ? R.Left + w + kSortGap
                  : P.HAlign == taRightJustify ? R.Right - w - kSortGap
                                               : R.Left + kSortMarkInset;
    DrawSortIndicator(canvas, P.RealCol, x, SortMarkY(R, P.VAlign));
  }
  canvas->Font->SetStyle(style);
  canvas->Font->SetColor(color);
}
