// TExtStringGrid: check boxes and radio groups in cells, in the styles of ControlLook:
// frame controls (classic, flat), the program's bitmaps (soft, themed), lines, the user's
// glyphs, or the visual styles.
#include <algorithm>

#include "components/grid/controls/ExtXPVS.h"
#include "components/grid/core/GridUtil.h"
#include "components/grid/grid/cells/CellGraphics.h"
#include "components/grid/grid/paint/ExtGridCellPaint.h"
#include "platform/graphics/bitmap.h"
#include "platform/winapi/edge.h"

namespace {

constexpr int kBitmapRadio = 16;  // the radio bitmaps' size

// The bitmap names by look: on, off, on disabled, off disabled.
AnsiString ControlBitmap(const char* Prefix, bool Themed, bool On, bool Enabled) {
  const int n = (Themed ? 5 : 1) + (On ? 0 : 1) + (Enabled ? 0 : 2);
  return AnsiString(Prefix) + static_cast<char>('0' + n);
}

// The theme's state numbers of check boxes and radio buttons agree.
int ThemeState(bool On, bool Enabled) {
  return On ? (Enabled ? CBS_CHECKEDNORMAL : CBS_CHECKEDDISABLED)
            : (Enabled ? CBS_UNCHECKEDNORMAL : CBS_UNCHECKEDDISABLED);
}

TRect Square(int Left, int Top, int Size) { return {Left, Top, Left + Size, Top + Size}; }

unsigned FrameState(unsigned Kind, TGridControlStyle Style, bool On, bool Enabled) {
  return Kind | (On ? DFCS_CHECKED : 0u) | (Style == csFlat ? DFCS_FLAT : 0u) |
         (Enabled ? 0u : DFCS_INACTIVE);
}

// A box in a sunken frame with a tick of four strokes.
void DrawLinedCheck(TCanvas* Canvas, bool Checked, bool Enabled, const TRect& R) {
  TRect box = R;
  Canvas->Brush->SetColor(clWindow);
  Canvas->FillRect(box);
  DrawEdge(Canvas, &box, EDGE_SUNKEN, BF_RECT);
  if (!Checked) return;
  Canvas->Pen->SetColor(Enabled ? clBlack : clGray);
  Canvas->Pen->SetWidth(1);
  const int x = R.Left + (R.Width() - 7) / 2, y = R.Top + (R.Height() - 7) / 2;
  for (int d = 0; d < 2; ++d) {
    Canvas->MoveTo(x, y + 2 + d);
    Canvas->LineTo(x + 2, y + 4 + d);
    Canvas->MoveTo(x + 2, y + 4 + d);
    Canvas->LineTo(x + 7, y - 1 + d);
  }
}

}  // namespace

void TExtStringGrid::DrawCheck(TCanvas* Canvas, TColor Background, bool Checked, bool Enabled,
                               TGridControlStyle Style, const TRect& R) {
  const int size = ControlLook.GetCheckSize();
  switch (Style) {
    case csClassic:
    case csFlat: {
      TRect box = Square(R.Left + (R.Width() - size) / 2, R.Top + (R.Height() - size) / 2, size);
      DrawFrameControl(Canvas, &box, DFC_BUTTON,
                       FrameState(DFCS_BUTTONCHECK, Style, Checked, Enabled));
      break;
    }
    case csOrvik:
    case csWinXP:
      DrawBitmapResourceTransp(Canvas, Background, R,
                               ControlBitmap("ESGCHK0", Style == csWinXP, Checked, Enabled));
      break;
    case csBorland:
      DrawLinedCheck(Canvas, Checked, Enabled, Square(R.Left, R.Top, size));
      break;
    case csGlyph: {
      TBitmap* glyph = Checked ? ControlLook.GetCheckedGlyph() : ControlLook.GetUnCheckedGlyph();
      if (!glyph->GetEmpty()) DrawBitmapTransp(Canvas, glyph, Background, R);
      break;
    }
    case csTheme:
      if (IsWinXP)
        DrawThemed(this, "button", Canvas, BP_CHECKBOX, ThemeState(Checked, Enabled),
                   Square(R.Left, R.Top, size));
      break;
  }
}

// The check box goes by the text's alignment: before a right-aligned text, at the left of a
// left-aligned one.
void TExtStringGrid::Painting::DrawCheckBox(CellPaint& P, TRect R, int TextWidth) {
  const TCellGraphic& graphic = *P.Graphic;
  const bool data = graphic.CellType == ctDataCheckBox;
  const int twp = TextWidth > 0 ? TextWidth + 2 : 0;
  const TRect& c = P.Rect;
  const int w = P.GraphicW;
  int x = c.Left + 1;
  if (P.HAlign == taRightJustify)
    x = data ? c.Right - w : c.Right - twp - w;
  else if (P.HAlign == taCenter)
    x = data || twp == 0 ? c.Left + std::max(c.Right - w - c.Left, 0) / 2
                         : c.Left - w + std::max(c.Right - twp - c.Left, 0) / 2;
  x = std::max(x, c.Left + 1);
  R = {x, R.Top, x + w, R.Bottom};
  CellGraphics cells(g);
  const bool checked = data ? cells.DataChecked(P.RealCol, P.Row) : graphic.CellBoolean;
  g.DrawCheck(P.Canvas, P.Shown, checked, cells.CheckEnabled(P.RealCol, P.Row),
              g.ControlLook.GetControlStyle(), R);
}

int TExtStringGrid::Painting::RadioButtonSize() const {
  switch (g.ControlLook.GetControlStyle()) {
    case csClassic:
      return g.ControlLook.GetRadioSize();
    case csFlat:
      return g.ControlLook.GetRadioSize() + 2;
    case csTheme:
      return g.ControlLook.GetCheckSize();
    default:
      return kBitmapRadio;
  }
}

void TExtStringGrid::Painting::DrawRadioButton(TCanvas* Canvas, TColor Background, bool On,
                                               bool Enabled, const TRect& R) {
  const TGridControlStyle style = g.ControlLook.GetControlStyle();
  switch (style) {
    case csClassic:
    case csFlat: {
      TRect box = R;
      DrawFrameControl(Canvas, &box, DFC_BUTTON, FrameState(DFCS_BUTTONRADIO, style, On, Enabled));
      break;
    }
    case csOrvik:
    case csWinXP:
      DrawBitmapResourceTransp(Canvas, Background, R,
                               ControlBitmap("ESGRAD0", style == csWinXP, On, Enabled));
      break;
    case csGlyph: {
      TBitmap* glyph = On ? g.ControlLook.GetRadioOnGlyph() : g.ControlLook.GetRadioOffGlyph();
      if (!glyph->GetEmpty()) DrawBitmapTransp(Canvas, glyph, Background, R);
      break;
    }
    case csTheme:
      if (g.IsWinXP) DrawThemed(&g, "button", Canvas, BP_RADIOBUTTON, ThemeState(On, Enabled), R);
      break;
    case csBorland:
      break;
  }
}

// Vertical groups take a text line per item, horizontal ones put each caption after its
// button. With Index -1 the item whose caption is the cell's text is on.
void TExtStringGrid::DrawRadio(TCanvas* Canvas, TColor Background, int Count, bool Enabled,
                               bool Horizontal, int Index, const TStrings* Captions,
                               const AnsiString& CellText, const TRect& R) {
  Painting paint(*this);
  const int oldMode = Canvas->SetBkMode(TRANSPARENT);
  const int size = paint.RadioButtonSize();
  const int line = Canvas->TextHeight("gh");
  const int captions = Captions ? Captions->Count() : 0;
  int x = R.Left + 2;
  for (int i = 0; i < Count; ++i) {
    const AnsiString caption = i < captions ? Captions->Strings(i) : AnsiString();
    const bool on = i == Index || (Index == -1 && i < captions && caption == CellText);
    int bx, by;
    if (Horizontal) {
      bx = x;
      by = R.Top + (R.Height() - size) / 2;
      x += size + Canvas->TextWidth(caption);
    } else {
      bx = captions == 0 ? R.Left + (R.Width() - size) / 2 : R.Left + 2;
      by = R.Top + 2 + i * line + (line - size) / 2;
    }
    paint.DrawRadioButton(Canvas, Background, on, Enabled, Square(bx, by, size));
    if (!caption.empty()) Canvas->TextOut(bx + size, by + (size - line) / 2, caption);
  }
  Canvas->SetBkMode(oldMode);
}

void TExtStringGrid::Painting::DrawRadioGroup(CellPaint& P) {
  const TStrings* captions = g.GetRadioStrings(P.RealCol, P.Row);
  if (!captions) return;
  g.DrawRadio(P.Canvas, P.Shown, captions->Count(), CellGraphics(g).CheckEnabled(P.RealCol, P.Row),
              P.Graphic->CellBoolean, P.Graphic->CellIndex, captions, g.GetCellEx(P.RealCol, P.Row),
              P.Rect);
}
