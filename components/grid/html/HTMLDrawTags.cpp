// The mini-HTML tags: what each opening and closing tag does to the font, the brush, the
// anchor, the paragraph and the line.
#include <algorithm>

#include "components/grid/html/HTMLAttributes.h"
#include "components/grid/html/HTMLColors.h"
#include "components/grid/html/HTMLLinePass.h"
#include "components/grid/html/HTMLPictureLookup.h"
#include "platform/winapi/drawtext.h"
#include "platform/winapi/gdi.h"

namespace {

constexpr int kListIndent = 12;

// FONT SIZE 1 to 5 are the classic HTML sizes; other numbers are points.
int FontPoints(int Size) {
  static constexpr int kPoints[] = {8, 10, 12, 14, 16};
  return Size >= 1 && Size <= 5 ? kPoints[Size - 1]
                                : std::clamp(Size, -kHTMLFontPointsLimit, kHTMLFontPointsLimit);
}

bool StartsWith(const AnsiString& Text, const char* Prefix) { return Text.rfind(Prefix, 0) == 0; }

}  // namespace

HTMLLineEngine::TagEnd HTMLLineEngine::OpenTag(Pass& P, const AnsiString& Tag,
                                               const AnsiString& Upper) {
  const char next = Upper[2];
  switch (Upper[1]) {
    case 'A':
      OpenAnchor(P, Tag);
      break;
    case 'B':
      if (next == '>') {
        SetStyle(fsBold, true);
      } else if (next == 'R') {
        if (P.Measuring) result_.PlainText += '\r';
        return TagEnd::After;
      } else if (next == 'L') {
        // The blink's off phase writes the text in the background colour.
        if (!params_.BlinkOn) canvas_->Font->SetColor(entryBrush_);
      } else if (next == 'O') {
        OpenBody(P, Tag, Upper);
      }
      break;
    case 'C':
      return Control(P, Tag);
    case 'E':
      if (P.Drawing) P.S.Error = true;
      break;
    case 'F':
      OpenFont(P, Upper);
      break;
    case 'H':
      if (next == 'I' && P.Drawing) {
        P.S.HiFont = canvas_->Font->GetColor();
        P.S.HiBrush = BrushColor();
        SetBrush(clHighlight);
        canvas_->Font->SetColor(clHighlightText);
      } else if (next == 'R') {
        if (P.Drawing) {
          const TColor pen = canvas_->Pen->GetColor();
          canvas_->Pen->SetColor(clBlack);
          canvas_->MoveTo(P.W.Left, P.W.Bottom + 1);
          canvas_->LineTo(P.W.Right, P.W.Bottom + 1);
          canvas_->Pen->SetColor(pen);
        }
        return TagEnd::After;
      }
      break;
    case 'I':
      if (next == '>') {
        SetStyle(fsItalic, true);
      } else if (next == 'N') {
        bool valid = false;
        const int x = HTMLAttrNumber(Upper, "X=", valid);
        if (valid && P.X - P.W.Left < x) P.X = P.W.Left + x;
      } else if (next == 'M') {
        return Image(P, Tag, Upper);
      }
      break;
    case 'L':
      return ListItem(P);
    case 'P':
      OpenParagraph(P, Upper);
      break;
    case 'R': {
      bool valid = false;
      P.S.SavedOrientation = canvas_->Font->GetOrientation();
      canvas_->Font->SetOrientation(HTMLAttrNumber(Upper, "A=", valid) * 10);
      break;
    }
    case 'S':
      if (next == '>')
        SetStyle(fsStrikeOut, true);
      else if (next == 'H')
        P.S.Shadow = true;
      else if (StartsWith(Upper, "<SUB>"))
        P.S.Sub = true;
      else if (StartsWith(Upper, "<SUP>"))
        P.S.Sup = true;
      break;
    case 'U':
      if (next == '>')
        SetStyle(fsUnderline, true);
      else
        ++P.S.ListDepth;
      break;
    case 'Z':
      P.S.Hidden = true;
      break;
    default:
      break;
  }
  return TagEnd::None;
}

HTMLLineEngine::TagEnd HTMLLineEngine::CloseTag(Pass& P, const AnsiString& Upper) {
  const char next = Upper[3];
  switch (Upper[2]) {
    case 'A':
      CloseAnchor(P);
      break;
    case 'B':
      if (next == '>')
        SetStyle(fsBold, false);
      else  // the end of BLINK
        canvas_->Font->SetColor(base_.GetColor());
      break;
    case 'E':
      if (P.Drawing) P.S.Error = false;
      break;
    case 'F':
      canvas_->Font->SetName(base_.GetName());
      canvas_->Font->SetHeight(base_.GetHeight());
      if (P.Drawing && !params_.Selected) {
        canvas_->Font->SetColor(base_.GetColor());
        SetBrush(P.S.FontBrush);
      }
      break;
    case 'H':
      if (P.Drawing) {
        canvas_->Font->SetColor(P.S.HiFont);
        SetBrush(P.S.HiBrush);
      }
      break;
    case 'I':
      SetStyle(fsItalic, false);
      break;
    case 'P':
      if (P.Drawing) SetBrush(P.S.ParaSaved);
      P.S.ParaBrush = false;
      return TagEnd::After;
    case 'R':
      canvas_->Font->SetOrientation(P.S.SavedOrientation);
      break;
    case 'S':
      if (next == 'U')
        P.S.Sub = P.S.Sup = false;
      else if (next == 'H')
        P.S.Shadow = false;
      else
        SetStyle(fsStrikeOut, false);
      break;
    case 'U':
      if (next == '>' || P.S.ListDepth < 1)
        SetStyle(fsUnderline, false);
      else
        --P.S.ListDepth;
      break;
    case 'Z':
      P.S.Hidden = false;
      break;
    default:
      break;
  }
  return TagEnd::None;
}

void HTMLLineEngine::OpenAnchor(Pass& P, const AnsiString& Tag) {
  if (params_.FocusLink == P.S.LinkCount && P.Drawing)
    P.S.Focus = {P.X, P.W.Top, P.X, P.W.Top};
  ++P.S.LinkCount;
  const bool styled = !params_.HoverOnly || params_.HoverLink == P.S.LinkCount;
  const bool hoverFont = styled && P.Drawing && params_.HoverFontColor != clNone;
  if (styled && P.Drawing) {
    SetStyle(fsUnderline, true);
    if (params_.HoverBrushColor != clNone) {
      P.S.AnchorBrush = BrushColor();
      SetBrush(params_.HoverBrushColor);
    }
    if (hoverFont) {
      P.S.AnchorFont = canvas_->Font->GetColor();
      canvas_->Font->SetColor(params_.HoverFontColor);
    }
  }
  if (!params_.Selected && !(hoverFont && params_.HoverOnly))
    canvas_->Font->SetColor(params_.LinkColor);
  // The value is the first quoted text, whatever the attribute is called.
  const std::size_t open = Tag.find('"');
  const std::size_t close = open == AnsiString::npos ? open : Tag.find('"', open + 1);
  P.A.Inside = true;
  P.A.Value = close == AnsiString::npos ? AnsiString() : Tag.substr(open + 1, close - open - 1);
  P.S.AnchorX = P.X;
  P.S.AnchorTop = P.W.Top;
  P.S.LinkFound = false;
}

void HTMLLineEngine::CloseAnchor(Pass& P) {
  const bool styled = !params_.HoverOnly || params_.HoverLink == P.S.LinkCount;
  if (styled && P.Drawing) {
    SetStyle(fsUnderline, false);
    if (params_.HoverBrushColor != clNone) SetBrush(P.S.AnchorBrush);
    if (params_.HoverFontColor != clNone) canvas_->Font->SetColor(P.S.AnchorFont);
  }
  if (!params_.Selected) canvas_->Font->SetColor(base_.GetColor());
  const bool wasInside = P.A.Inside;
  P.A.Inside = false;
  if (P.Measuring || !wasInside) return;
  if (P.S.LinkFound) {
    // A link that began on an earlier line is reported on the line where it ends.
    const bool sameLine = P.S.AnchorTop == P.W.Top;
    result_.LinkRect = {sameLine ? P.S.AnchorX : P.W.Left, sameLine ? P.S.AnchorTop : P.W.Top,
                        P.X, P.W.Bottom};
    result_.LinkUnderMouse = P.S.LinkCount;
    P.S.LinkFound = false;
  }
  if (P.Drawing && params_.FocusLink == P.S.LinkCount - 1) {
    const int bottom = P.W.Bottom - P.Geo().ImageOffset;
    canvas_->DrawFocusRect({P.S.Focus.Left - 1, bottom - LineTextHeight(), P.X + 1, bottom});
  }
}

void HTMLLineEngine::OpenFont(Pass& P, const AnsiString& Upper) {
  if (const AnsiString face = HTMLAttrValue(Upper, Upper, "FACE="); !face.empty())
    canvas_->Font->SetName(face);
  const AnsiString color = HTMLAttrValue(Upper, Upper, " COLOR=");
  if (!color.empty() && !params_.Selected) canvas_->Font->SetColor(HTMLAttrColor(color));
  const AnsiString background = HTMLAttrValue(Upper, Upper, "BGCOLOR=");
  if (!background.empty() && P.Drawing && !params_.Selected) {
    P.S.FontBrush = BrushColor();
    SetBrush(HTMLAttrColor(background));
  }
  if (Upper.find("SIZE=") != AnsiString::npos) {
    bool valid = false;
    canvas_->Font->SetSize(FontPoints(HTMLAttrNumber(Upper, "SIZE=", valid)));
  }
}

void HTMLLineEngine::OpenParagraph(Pass& P, const AnsiString& Upper) {
  const AnsiString align = HTMLAttrValue(Upper, Upper, "ALIGN=");
  if (align.find("RIGHT") != AnsiString::npos) P.S.Align = 1;
  if (align.find("LEFT") != AnsiString::npos) P.S.Align = 0;
  if (align.find("CENTER") != AnsiString::npos) P.S.Align = 2;
  if (bool valid = false; Upper.find("INDENT=") != AnsiString::npos)
    P.S.Indent = HTMLAttrNumber(Upper, "INDENT=", valid);
  if (Upper.find("BGCOLOR=") == AnsiString::npos || !P.Drawing) return;
  const TColor color = HTMLAttrColor(HTMLAttrValue(Upper, Upper, "BGCOLOR="));
  P.S.ParaBrush = true;
  P.S.ParaSaved = BrushColor();
  SetBrush(color);
  canvas_->Pen->SetColor(color);
  canvas_->FillRect({outer_.Left, P.W.Top, outer_.Right, P.W.Top + P.Geo().Height});
}

void HTMLLineEngine::OpenBody(Pass& P, const AnsiString& Tag, const AnsiString& Upper) {
  const AnsiString source = HTMLAttrValue(Tag, Upper, "BACKGROUND=");
  if (P.Drawing && !source.empty()) {
    THTMLPicture* picture = FindHTMLPicture(HTMLPictureName(source),
                                            params_.PictureContainer, params_.PictureCache);
    const int w = picture ? picture->GetWidth() : 0, h = picture ? picture->GetHeight() : 0;
    if (w > 0 && h > 0) {
      const int saved = SaveDC(canvas_->GetHandle());
      IntersectClipRect(canvas_->GetHandle(), outer_.Left, outer_.Top, outer_.Right,
                        outer_.Bottom);
      for (int y = outer_.Top; y < outer_.Bottom; y += h)
        for (int x = outer_.Left; x < outer_.Right; x += w) canvas_->Draw(x, y, picture);
      RestoreDC(canvas_->GetHandle(), saved);
    }
  }
  const AnsiString value = HTMLAttrValue(Upper, Upper, "BGCOLOR=");
  if (value.empty() || !P.Drawing) return;
  const TColor color =
      value.find("CL") != AnsiString::npos ? NamedColorToColor(value) : HTMLHexColor(value);
  SetBrush(color);
  P.S.FontBrush = color;
  canvas_->FillRect(outer_);
}

HTMLLineEngine::TagEnd HTMLLineEngine::ListItem(Pass& P) {
  if (P.ListItem) return TagEnd::Before;  // a second item begins the next line
  P.ListItem = true;
  const int depth = P.S.ListDepth;
  P.X += (depth - 1) * kListIndent;
  if (P.Drawing) {
    // The bullet of odd depths is Windows-1252's bullet, which every font has.
    const char* bullet = depth % 2 != 0 ? "\x95" : "o";
    TRect r{P.X, P.W.Top, P.W.Right, P.W.Bottom};
    DrawText(canvas_->GetHandle(), bullet, 1, &r, flags_);
  }
  P.X += kListIndent;
  return TagEnd::None;
}
