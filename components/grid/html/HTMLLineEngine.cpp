// The mini-HTML line engine: the walk over one line's text segments and tags, and the text
// segments themselves (measured, fitted, drawn, hit-tested).
#include "components/grid/html/HTMLLineEngine.h"

#include <algorithm>

#include "components/grid/html/HTMLLinePass.h"
#include "platform/winapi/drawtext.h"

namespace {

// Entities that could open a tag or break a word are decoded per segment, after the tags
// were found.
AnsiString DecodeSegment(const AnsiString& Raw) {
  if (Raw.find('&') == AnsiString::npos) return Raw;
  return StringReplaceAll(StringReplaceAll(StringReplaceAll(Raw, "&nbsp;", " "), "&lt;", "<"),
                          "&gt;", ">");
}

// Width and height; tabs expand as drawing expands them.
TSize MeasureSegment(TCanvas* Canvas, const AnsiString& Text, const TRect& R, unsigned Flags) {
  const TSize extent = Canvas->TextExtent(Text);
  if (Text.find('\t') == AnsiString::npos) return extent;
  TRect r = R;
  DrawText(Canvas->GetHandle(), Text.c_str(), static_cast<int>(Text.size()), &r,
           Flags | DT_CALCRECT);
  return {r.Width(), extent.cy};
}

}  // namespace

HTMLLineEngine::HTMLLineEngine(TCanvas* Canvas, const THTMLDrawParams& Params,
                               THTMLDrawResult& Result, const TRect& Outer, const TFont& Base,
                               TColor EntryBrush)
    : canvas_(Canvas),
      params_(Params),
      result_(Result),
      outer_(Outer),
      base_(Base),
      entryBrush_(EntryBrush),
      flags_(DT_BOTTOM | DT_SINGLELINE | DT_EXPANDTABS | DT_EXTERNALLEADING |
             (Params.WordWrap ? 0u : unsigned{DT_END_ELLIPSIS})) {}

HTMLLine HTMLLineEngine::Measure(const AnsiString& Text, std::size_t& Pos, const TRect& R,
                                 HTMLPassState& S, HTMLAnchor& A) {
  Pass p{true, false, Text, Pos, Text.size(), R, S, A, nullptr};
  HTMLLine line = Run(p);
  // A line takes at least one character, so no text keeps the layout going for ever.
  if (p.Pos <= Pos && !p.Dropped) p.Pos = Pos + 1;
  Pos = p.Pos;
  line.Dropped = p.Dropped;
  return line;
}

HTMLLine HTMLLineEngine::Replay(const AnsiString& Markup, const TRect& R,
                                const HTMLLine& Measured, HTMLPassState& S, HTMLAnchor& A) {
  Pass p{false, !params_.HitTestOnly, Markup, 0, Markup.size(), R, S, A, &Measured};
  return Run(p);
}

HTMLLine HTMLLineEngine::Run(Pass& P) {
  canvas_->Font->Assign(*P.S.Font);
  SetBrush(P.S.Brush);
  P.Line.Height = LineTextHeight();
  if (P.Drawing && P.S.ParaBrush) {
    canvas_->Pen->SetColor(canvas_->Brush->GetColor());
    canvas_->FillRect({outer_.Left, P.W.Top, outer_.Right, P.W.Top + P.Geo().Height});
  }
  if (!P.Measuring) P.W.Bottom -= P.Geo().SubOffset;
  P.X = P.W.Left;
  while (P.Pos < P.End && !P.Dropped) {
    if (P.Text[P.Pos] != '<') {
      if (!Segment(P)) break;
    } else if (Tag(P) != TagEnd::None) {
      break;
    }
  }
  P.Line.Width = P.X - P.W.Left - P.TrailingSpace;
  if (P.Measuring) {
    result_.ExtentX = std::max(result_.ExtentX, P.Line.Width);
    P.Line.Align = P.S.Align;
    P.Line.Indent = P.S.Indent;
  } else if (P.Drawing && P.A.Inside && params_.FocusLink == P.S.LinkCount - 1) {
    // A focused link that goes on to the next line gets a rectangle on each.
    canvas_->DrawFocusRect({P.S.Focus.Left - 1, P.S.Focus.Top, P.X + 1, P.W.Bottom});
    P.S.Focus = {P.W.Left + 1, P.W.Bottom, P.W.Left + 1, P.W.Bottom};
  }
  P.S.Font->Assign(*canvas_->Font);
  P.S.Brush = BrushColor();
  return P.Line;
}

// The text up to the next tag, or with word wrap up to and including the next space. A run of
// words that fits the line whole is taken whole, since each of its words would fit; a replayed
// line always fits.
bool HTMLLineEngine::Segment(Pass& P) {
  std::size_t end = std::min(P.Text.find('<', P.Pos), P.End);
  const std::size_t space = P.Text.find(' ', P.Pos);
  const bool words = params_.WordWrap && P.Measuring && space < end && space + 1 < end &&
                     !P.S.Hidden;
  const TRect room{P.X, P.W.Top, P.W.Right, P.W.Bottom};
  AnsiString text = DecodeSegment(P.Text.substr(P.Pos, end - P.Pos));
  TSize size = MeasureSegment(canvas_, text, room, flags_);
  if (words && !(P.X - P.W.Left + size.cx < P.W.Width())) {
    end = space + 1;
    text = DecodeSegment(P.Text.substr(P.Pos, end - P.Pos));
    size = MeasureSegment(canvas_, text, room, flags_);
  }
  const int w = size.cx, h = size.cy;
  if (P.S.Hidden) {  // counts for the height and the plain text only
    P.Line.Height = std::max(P.Line.Height, h);
    if (P.Measuring) result_.PlainText += text;
    P.Pos = end;
    return true;
  }
  const bool fits = !P.Measuring || Fits(P, w, false) || (P.X > P.W.Left && !P.EndsSpace);
  if (!fits && params_.WordWrap) return false;  // left for the next line
  if (P.S.Sub) P.Line.SubOffset = std::max(P.Line.SubOffset, h / 4);
  if (P.S.Sup) P.Line.SupOffset = std::max(P.Line.SupOffset, h / 4);
  P.Line.Height = std::max(P.Line.Height, h);
  if (P.Measuring) result_.PlainText += text;
  if (P.Drawing) DrawSegment(P, text, w);
  if (!P.Measuring) HitSegment(P, w);
  P.Pos = end;
  P.X += w;
  P.EndsSpace = text.back() == ' ';
  P.TrailingSpace = P.EndsSpace ? canvas_->TextWidth(" ") : 0;
  // Without word wrap the line ends at its first overflow, and with it the text.
  P.Dropped = !fits;
  return fits;
}

// A text segment fits while the line stays narrower than the rectangle; an image or control
// may fill it exactly. What is wider than the rectangle fits anywhere.
bool HTMLLineEngine::Fits(const Pass& P, int Width, bool Object) const {
  const int used = P.X - P.W.Left, room = P.W.Width();
  return used + Width < room + (Object ? 1 : 0) || Width >= room;
}

void HTMLLineEngine::DrawSegment(Pass& P, const AnsiString& Text, int Width) {
  const HTMLLine& g = P.Geo();
  TRect r{P.X, P.W.Top, P.W.Right, P.W.Bottom};
  if (P.S.Sup) r.Bottom -= g.SupOffset;
  if (P.S.Sub) r.Bottom += g.SubOffset;
  r.Bottom -= g.ImageOffset;
  const int length = static_cast<int>(Text.size());
  if (P.S.Shadow) {
    const TColor color = canvas_->Font->GetColor();
    canvas_->Font->SetColor(params_.ShadowColor);
    TRect shadow{r.Left + params_.ShadowOffset, r.Top + params_.ShadowOffset,
                 r.Right + params_.ShadowOffset, r.Bottom + params_.ShadowOffset};
    DrawText(canvas_->GetHandle(), Text.c_str(), length, &shadow, flags_);
    canvas_->Font->SetColor(color);
  }
  TRect drawn = r;
  DrawText(canvas_->GetHandle(), Text.c_str(), length, &drawn, flags_);
  if (P.A.Inside && params_.FocusLink == P.S.LinkCount - 1) result_.FocusAnchor = P.A.Value;
  if (!P.S.Error) return;
  // A red zigzag under the segment, on even x, starting low where x is a multiple of 4.
  std::vector<TPoint> zigzag;
  int x = r.Left / 2 * 2;
  for (bool low = x % 4 == 0; x <= r.Left + Width; x += 2, low = !low)
    zigzag.push_back({x, low ? r.Bottom + 1 : r.Bottom - 1});
  const TColor pen = canvas_->Pen->GetColor();
  const int penWidth = canvas_->Pen->GetWidth();
  canvas_->Pen->SetColor(clRed);
  canvas_->Pen->SetWidth(1);
  canvas_->Polyline(zigzag);
  canvas_->Pen->SetColor(pen);
  canvas_->Pen->SetWidth(penWidth);
}

// Text of an anchor under the mouse: the line reports an anchor hit, and a point within the
// line's height finds the link (for LinkUnderMouse and LinkRect when the anchor closes).
void HTMLLineEngine::HitSegment(Pass& P, int Width) {
  const int x = params_.MouseX, y = params_.MouseY;
  if (!P.A.Inside || x < P.X || x > P.X + Width) return;
  P.Line.AnchorHit = true;
  if (y >= P.W.Top && y < P.W.Bottom + P.Geo().SubOffset) {
    result_.AnchorValue = P.A.Value;
    P.S.LinkFound = true;
  }
}

HTMLLineEngine::TagEnd HTMLLineEngine::Tag(Pass& P) {
  const std::size_t close = P.Text.find('>', P.Pos);
  if (P.End - P.Pos < 3 || close == AnsiString::npos || close >= P.End) {
    P.Dropped = true;  // a damaged tag ends the text
    return TagEnd::After;
  }
  const AnsiString tag = P.Text.substr(P.Pos, close + 1 - P.Pos);
  const AnsiString upper = UpperCase(tag);
  const TagEnd end = upper[1] == '/' && tag.size() > 3 ? CloseTag(P, upper) : OpenTag(P, tag, upper);
  if (end != TagEnd::Before) P.Pos = close + 1;
  return end;
}

// However many objects a line holds, its end stays a coordinate the canvas can take.
void HTMLLineEngine::Advance(Pass& P, int Width, int Height) {
  constexpr long long kLineEndLimit = 1 << 24;
  P.X = static_cast<int>(std::min(static_cast<long long>(P.X) + Width, kLineEndLimit));
  P.Line.Height = std::max(P.Line.Height, Height);
  P.TrailingSpace = 0;
  P.EndsSpace = false;
}

void HTMLLineEngine::SetStyle(TFontStyle Style, bool On) {
  TFontStyles styles = canvas_->Font->GetStyle();
  if (On)
    styles << Style;
  else
    styles >> Style;
  canvas_->Font->SetStyle(styles);
}

void HTMLLineEngine::SetBrush(TColor Color) {
  if (Color == clNone)
    canvas_->Brush->SetStyle(bsClear);
  else
    canvas_->Brush->SetColor(Color);
}

TColor HTMLLineEngine::BrushColor() const {
  return canvas_->Brush->GetStyle() == bsClear ? clNone : canvas_->Brush->GetColor();
}
