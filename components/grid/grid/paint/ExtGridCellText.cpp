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

bool TExtStringGrid::Painting::SortIndicatorShows(int ACol, int ARow) {
  if (!g.SortSettings.GetShow() || ARow != g.SortSettings.GetRow() || g.GetRowCount() <= 2 ||
      g.GetFixedRows() < 1)
    return false;
  const int index = g.SortIndexes.FindIndex(ACol);
  if (ACol != g.SortSettings.GetColumn() && index < 0) return false;
  if (ACol < g.GetFixedCols() && !g.SortSettings.FixedCols) return false;
  return index <= 0 || g.SortSettings.GetIndexShow();
}

void TExtStringGrid::Painting::DrawCellText(CellPaint& P) {
  TCanvas* canvas = P.Canvas;
  SelectCellColors(P);
  AnsiString text = g.GetCellEx(P.RealCol, P.Row);
  const TTextType type = TextType(text, g.EnableHTML);
  if (type == ttFormula) text = g.CalcCell(P.RealCol, P.Row);
  bool password = false;
  g.GetCellPassword(P.RealCol, P.Row, password);
  if (password) StringToPassword(text, g.PasswordChar);

  if (g.IsNormalCell(P.Col, P.Row) && !g.RowSelectDragging && g.MouseActions.DisjunctRowSelect &&
      !g.GetRowSelect(P.Row)) {
    P.URLColor = g.URLColor;
    canvas->Brush->SetColor(P.Brush);
    canvas->Font->SetColor(P.FontColor);
    g.GetCellColor(P.RealCol, P.Row, P.State, canvas->Brush, canvas->Font);
  }
  // The base grid filled the cell in its own colours; a selection shows in others.
  if (canvas->Brush->GetColor() != P.Shown) {
    canvas->Brush->SetStyle(bsSolid);
    canvas->FillRect(P.Rect);
    P.Shown = canvas->Brush->GetColor();
  }
  if (P.Row == 0 && g.GetFilter(P.RealCol)) DrawFilterGlyph(P);
  if (!g.BackGround.GetBitmap()->GetEmpty()) {
    const bool kind = g.BackGround.GetCells() == bcAll ||
                      (g.BackGround.GetCells() == bcFixed) == P.State.Contains(gdFixed);
    const bool selected = P.State.Contains(gdSelected), focused = P.State.Contains(gdFocused);
    const bool drawnSelected = (selected || focused) &&
                               !(focused && !g.GetOptions().Contains(goDrawFocusSelected)) &&
                               g.GetShowSelection();
    if (kind && !drawnSelected) {
      if (g.BackGround.GetDisplay() == bdTile)
        DrawBackgroundPictureCell(P);
      else
        DrawBackgroundPicture(P);
    }
  }
  if (g.SelectionRectangle) DrawSelectionRectangle(P);
  if (!P.GraphicText) return;

  TRect r = P.Rect;
  r.Right -= 2;
  r.Left += g.GetXYOffset().x;
  r.Top += g.GetXYOffset().y;
  const bool besideText = P.HAlign != taCenter;
  if (P.GraphicHAlign == kBeforeText && besideText) r.Left += P.GraphicW;
  if (P.GraphicHAlign == kAfterText && besideText) r.Right -= P.GraphicW;
  if (P.GraphicVAlign == kAboveText) r.Top += P.GraphicH;
  if (P.GraphicVAlign == kUnderText) r.Bottom -= P.GraphicH;

  if (type == ttRTF) {
    const bool selectedUnfocused = P.State.Contains(gdSelected) && !P.State.Contains(gdFocused) &&
                                   g.GetSelectionColor() == clNone;
    if (!selectedUnfocused) canvas->FillRect(r);
    const TBrushStyle style = canvas->Brush->GetStyle();
    canvas->Brush->SetStyle(bsClear);
    g.RTFPaint(P.RealCol, P.Row, canvas, r);
    canvas->Brush->SetStyle(style);
    return;
  }
  if (type == ttHTML)
    DrawHTMLText(P, text, r);
  else
    DrawPlainText(P, text, r);
}

// Selected cells take the selection colours; without ShowSelection they keep their own.
void TExtStringGrid::Painting::SelectCellColors(CellPaint& P) {
  TCanvas* canvas = P.Canvas;
  const TGridOptions options = g.GetOptions();
  const bool rowListed =
      options.Contains(goRowSelect) && P.Col >= g.GetFixedCols() && g.GetRowSelect(P.Row);
  const bool selected = (P.State.Contains(gdSelected) || rowListed) &&
                        (!P.State.Contains(gdFocused) || options.Contains(goDrawFocusSelected));
  if (selected && g.GetShowSelection()) {
    if (g.GetSelectionColor() != clNone) canvas->Brush->SetColor(g.GetSelectionColor());
    if (g.GetSelectionTextColor() != clNone) canvas->Font->SetColor(g.GetSelectionTextColor());
    P.URLColor = g.GetSelectionTextColor();
  }
  if ((!g.Focused() || g.HasCheckBox(P.RealCol, P.Row)) && !g.GetShowSelection()) {
    canvas->Brush->SetColor(P.Brush);
    canvas->Font->SetColor(P.FontColor);
    P.URLColor = g.URLColor;
  }
}

void TExtStringGrid::Painting::DrawFilterGlyph(CellPaint& P) {
  const TRect& r = P.Rect;
  DrawBitmapResourceTransp(P.Canvas, P.Canvas->Brush->GetColor(),
                           {r.Right - kFilterGlyphWidth, r.Top, r.Right, r.Bottom}, "ESGFILT");
}

// A 2-pixel line along each side of the cell on the selection's outer edge, and the resizer's
// square at the selection's bottom-right corner.
void TExtStringGrid::Painting::DrawSelectionRectangle(CellPaint& P) {
  const TGridRect sel = g.GetSelection();
  if (!sel.Contains(P.Col, P.Row)) return;
  TCanvas* canvas = P.Canvas;
  const int inset = g.GetGridLineWidth();
  const TRect& r = P.Rect;
  canvas->Pen->SetColor(clBlack);
  canvas->Pen->SetWidth(2);
  const auto line = [&](int x1, int y1, int x2, int y2) {
    canvas->MoveTo(x1, y1);
    canvas->LineTo(x2, y2);
  };
  const TRect block = g.ShownBlock(P.Col, P.Row);
  const int right = block.Right, bottom = block.Bottom;
  if (P.Col == sel.Left) line(r.Left + inset, r.Top, r.Left + inset, r.Bottom);
  if (right >= sel.Right) line(r.Right - inset, r.Top, r.Right - inset, r.Bottom);
  if (P.Row == sel.Top) line(r.Left, r.Top + inset, r.Right, r.Top + inset);
  if (bottom >= sel.Bottom) line(r.Left, r.Bottom - inset, r.Right, r.Bottom - inset);
  canvas->Pen->SetWidth(1);
  if (g.SelectionResizer && right >= sel.Right && bottom >= sel.Bottom) {
    const TColor brush = canvas->Brush->GetColor();
    canvas->Brush->SetColor(clBlack);
    canvas->FillRect({r.Right - 4, r.Bottom - 4, r.Right, r.Bottom});
    canvas->Brush->SetColor(brush);
  }
}

void TExtStringGrid::Painting::DrawHTMLText(CellPaint& P, const AnsiString& Text, TRect R) {
  if (P.Row == 0 && g.GetFilter(P.RealCol)) R.Right -= kHTMLFilterRoom;
  const bool sortMark = SortIndicatorShows(P.RealCol, P.Row);
  if (sortMark) R.Right -= kHTMLSortRoom;
  THTMLDrawParams params = HTMLParams(P.URLColor);
  // Without the timer's blinking the phase stands still; the text must still show.
  params.BlinkOn = g.GetBlinkOn() || !g.EnableBlink;
  THTMLDrawResult result;
  HTMLDrawEx(P.Canvas, Text, R, params, result);
  if (sortMark) g.DrawSortIndicator(P.Canvas, P.RealCol, R.Right + 2, SortMarkY(R, P.VAlign));
}

void TExtStringGrid::Painting::DrawPlainText(CellPaint& P, AnsiString Text, TRect R) {
  TCanvas* canvas = P.Canvas;
  const bool sortShow = g.SortSettings.GetShow();
  const bool sortColumn = P.RealCol == g.SortSettings.GetColumn();
  if (P.HAlign == taCenter && sortShow && sortColumn && P.Row == g.SortSettings.GetRow())
    R.Left += kCentredSortShift;
  if (sortShow && sortColumn && P.Row == 0) {
    if (P.HAlign == taLeftJustify)
      R.Right -= kSortRoom;
    else
      R.Left += kSortRoom;
  }
  if (P.Row == 0 && g.GetFilter(P.RealCol)) R.Right -= kFilterGlyphWidth;

  const TFontStyles style = canvas->Font->GetStyle();
  const TColor color = canvas->Font->GetColor();
  if (g.URLShow && IsURL(Text)) {
    if (!g.URLFull) StripURLProtocol(Text);
    TFontStyles underlined = style;
    underlined << fsUnderline;
    canvas->Font->SetStyle(underlined);
    canvas->Font->SetColor(P.URLColor);
  }
  // Flags are made for each call: Multilinecells changes them for this grid only.
  unsigned flags = DT_NOPREFIX | DT_EXPANDTABS | WrapFlags(g.WordWrap, g.Multilinecells) |
                   HorizontalFlags(P.HAlign) | VerticalFlags(P.VAlign);
  if (LinesInText(Text, true) > 1 || g.WordWrap)
    flags |= DT_EDITCONTROL;
  else if (g.EnhTextSize)
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
  if (g.GetMarker(P.RealCol, P.Row, errFrom, errLen) && errLen > 0)
    DrawErrorLines(&g, canvas, Text, R, canvas->TextHeight("gh"), errFrom, errLen);
  if (SortIndicatorShows(P.RealCol, P.Row)) {
    const int w = std::clamp(canvas->TextWidth(Text), 0, std::max(0, R.Width()));
    const int x = P.HAlign == taLeftJustify    ? R.Left + w + kSortGap
                  : P.HAlign == taRightJustify ? R.Right - w - kSortGap
                                               : R.Left + kSortMarkInset;
    g.DrawSortIndicator(canvas, P.RealCol, x, SortMarkY(R, P.VAlign));
  }
  canvas->Font->SetStyle(style);
  canvas->Font->SetColor(color);
}
