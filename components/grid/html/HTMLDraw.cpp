// HTMLDrawEx: the text's preparation and the line loop (measure a line, place it, replay it
// into its place), with the canvas put back as it was found.
#include "components/grid/html/HTMLDraw.h"

#include <array>
#include <utility>

#include "components/grid/html/HTMLLineEngine.h"

bool IsWinXP = true;  // the desktop's style draws controls wherever a theme is active

namespace {

// Replaced until a pass over the list replaces nothing. "&nbsp;", "&lt;" and "&gt;" wait for
// the text segments, so that an encoded "<" never opens a tag.
constexpr std::array<std::pair<const char*, const char*>, 9> kEntities{{
    {"&amp;", "&"}, {"&quot;", "\""}, {"&sect;", "\xA7"}, {"&permil;", "\x89"},
    {"&reg;", "\xAE"}, {"&copy;", "\xA9"}, {"&para;", "\xB6"}, {"&trade;", "\x99"},
    {"&euro;", "\x80"},
}};

AnsiString ReplaceEntities(AnsiString Text) {
  for (bool replaced = true; replaced;) {
    replaced = false;
    for (const auto& [entity, character] : kEntities) {
      if (Text.find(entity) == AnsiString::npos) continue;
      Text = StringReplaceAll(Text, entity, character);
      replaced = true;
    }
  }
  return Text;
}

AnsiString PrepareText(AnsiString Text) {
  if (Text.find('&') != AnsiString::npos) Text = ReplaceEntities(std::move(Text));
  // The first "<#...>" shows as text beginning with "#".
  if (const std::size_t at = Text.find("<#"); at != AnsiString::npos) {
    Text.erase(at, 1);
    if (const std::size_t close = Text.find('>', at); close != AnsiString::npos)
      Text.erase(close, 1);
  }
  AnsiString out;
  out.reserve(Text.size());
  for (char c : Text) {
    if (c == '\r')
      out += "<BR>";
    else if (c != '\n')
      out += c;
  }
  return out;
}

// Where a measured line goes: its alignment and indent move the left edge.
TRect PlaceLine(const TRect& R, const HTMLLine& Line) {
  TRect placed = R;
  if (Line.Align == 1 && R.Right - Line.Width > placed.Left) placed.Left = R.Right - Line.Width;
  if (Line.Align == 2 && R.Right - R.Left - Line.Width > 0)
    placed.Left += (R.Right - R.Left - Line.Width) / 2;
  placed.Left += Line.Indent;
  placed.Bottom = R.Top + Line.Height + Line.SubOffset + Line.SupOffset;
  return placed;
}

// The canvas's font, brush, pen and background mode, put back however the call ends.
class CanvasState {
 public:
  explicit CanvasState(TCanvas* Canvas) : canvas_(Canvas), mode_(Canvas->GetBkMode()) {
    font_.Assign(*Canvas->Font);
    brush_.Assign(*Canvas->Brush);
    pen_.Assign(*Canvas->Pen);
  }
  ~CanvasState() {
    canvas_->Font->Assign(font_);
    canvas_->Brush->Assign(brush_);
    canvas_->Pen->Assign(pen_);
    canvas_->SetBkMode(mode_);
  }
  CanvasState(const CanvasState&) = delete;
  CanvasState& operator=(const CanvasState&) = delete;
  const TFont& Font() const { return font_; }
  TColor Brush() const { return brush_.GetStyle() == bsClear ? clNone : brush_.GetColor(); }

 private:
  TCanvas* canvas_;
  TFont font_;
  TBrush brush_;
  TPen pen_;
  int mode_;
};

}  // namespace

bool HTMLDrawEx(TCanvas* Canvas, const AnsiString& Text, const TRect& Rect,
                const THTMLDrawParams& Params, THTMLDrawResult& Result) {
  Result = {};
  const CanvasState saved(Canvas);
  Canvas->Brush->SetStyle(bsClear);
  Canvas->SetBkMode(TRANSPARENT);
  const AnsiString text = PrepareText(Text);
  HTMLLineEngine engine(Canvas, Params, Result, Rect, saved.Font(), saved.Brush());
  HTMLPassState measuring, drawing;
  for (HTMLPassState* state : {&measuring, &drawing}) state->Font->Assign(saved.Font());
  HTMLAnchor anchor;
  TRect r = Rect;
  r.Left += 1;
  bool hit = false;
  for (std::size_t pos = 0; pos < text.size();) {
    // Sub- and superscript end with their line.
    measuring.Sub = measuring.Sup = drawing.Sub = drawing.Sup = false;
    const std::size_t start = pos;
    const HTMLAnchor before = anchor;
    const HTMLLine line = engine.Measure(text, pos, r, measuring, anchor);
    anchor = before;
    if (!Params.MeasureOnly) {
      const TRect placed = PlaceLine(r, line);
      const HTMLLine replayed =
          engine.Replay(text.substr(start, pos - start), placed, line, drawing, anchor);
      const int bottom = placed.Bottom - line.ImageOffset, y = Params.MouseY;
      hit = hit || replayed.ControlHit ||
            (replayed.AnchorHit && y < bottom && y >= bottom - Canvas->TextHeight("gh"));
    }
    if (line.Dropped) pos = text.size();
    const int height = line.Height + line.SubOffset + line.SupOffset;
    r.Top += height;
    Result.ExtentY += height;
    if (r.Top > Rect.Bottom && !Params.MeasureOnly) break;
  }
  Result.LinkCount = measuring.LinkCount;
  Canvas->Font->Assign(saved.Font());
  if (Result.ExtentY == 0) Result.ExtentY = Canvas->TextHeight("gh");
  return hit && !Params.MeasureOnly;
}

void PrintBitmap(TCanvas* Canvas, const TRect& Rect, TBitmap* Bitmap) {
  const TCopyMode mode = Canvas->GetCopyMode();
  Canvas->SetCopyMode(cmSrcCopy);
  Canvas->StretchDraw(Rect, Bitmap);
  Canvas->SetCopyMode(mode);
}
