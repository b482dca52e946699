// The line engine of the mini-HTML renderer: lays out one line of markup (measuring pass)
// and replays the markup it took into the placed line (drawing or hit-testing pass). Private
// to HTMLDraw*.cpp.
#pragma once

#include <memory>

#include "components/grid/html/HTMLDraw.h"

// The state a pass carries from line to line. Each pass has its own, so the drawing pass of
// a line starts where its measuring pass started.
struct HTMLPassState {
  std::unique_ptr<TFont> Font = std::make_unique<TFont>();
  TColor Brush = clNone;  // clNone: clear
  int LinkCount = 0;
  int ListDepth = 0;
  int ImageCount = 0;
  int Align = 0;  // 0 left, 1 right, 2 centre
  int Indent = 0;
  bool Sub = false, Sup = false, Shadow = false, Hidden = false, Error = false;
  bool ParaBrush = false;
  // Brush and font colours the closing tags give back.
  TColor FontBrush = clNone, HiBrush = clNone, HiFont = clNone, ParaSaved = clNone;
  TColor AnchorBrush = clNone, AnchorFont = clNone;
  int SavedOrientation = 0;
  TRect Focus;  // the focus rectangle being built
  // Where the open anchor began, and whether the mouse was found on it.
  int AnchorX = 0;
  int AnchorTop = 0;
  bool LinkFound = false;
};

// The anchor the text stands in; shared by the passes, put back after measuring.
struct HTMLAnchor {
  bool Inside = false;
  AnsiString Value;
};

// One line as the measuring pass found it.
struct HTMLLine {
  int Width = 0;
  int Height = 0;
  int SubOffset = 0;
  int SupOffset = 0;
  int ImageOffset = 0;
  int Align = 0;
  int Indent = 0;
  bool AnchorHit = false;
  bool ControlHit = false;
  bool Dropped = false;  // the text after the line goes
};

class HTMLLineEngine {
 public:
  HTMLLineEngine(TCanvas* Canvas, const THTMLDrawParams& Params, THTMLDrawResult& Result,
                 const TRect& Outer, const TFont& Base, TColor EntryBrush);
  // Lays out the line that starts at Pos of Text in R and moves Pos past it.
  HTMLLine Measure(const AnsiString& Text, std::size_t& Pos, const TRect& R, HTMLPassState& S,
                   HTMLAnchor& A);
  // Replays the markup of a measured line into R, drawing unless the call only hit-tests.
  HTMLLine Replay(const AnsiString& Markup, const TRect& R, const HTMLLine& Measured,
                  HTMLPassState& S, HTMLAnchor& A);
  unsigned TextFlags() const { return flags_; }

 private:
  struct Pass;
  enum class TagEnd { None, After, Before };
  HTMLLine Run(Pass& P);
  bool Segment(Pass& P);
  TagEnd Tag(Pass& P);
  TagEnd OpenTag(Pass& P, const AnsiString& Tag, const AnsiString& Upper);
  TagEnd CloseTag(Pass& P, const AnsiString& Upper);
  void OpenAnchor(Pass& P, const AnsiString& Tag);
  void CloseAnchor(Pass& P);
  void OpenFont(Pass& P, const AnsiString& Upper);
  void OpenParagraph(Pass& P, const AnsiString& Upper);
  void OpenBody(Pass& P, const AnsiString& Tag, const AnsiString& Upper);
  TagEnd ListItem(Pass& P);
  TagEnd Image(Pass& P, const AnsiString& Tag, const AnsiString& Upper);
  TagEnd Control(Pass& P, const AnsiString& Tag);
  TagEnd PlaceObject(Pass& P, int W, int H);
  void DrawControl(Pass& P, const THTMLControlTag& C, int W, bool Hot);
  void DrawSegment(Pass& P, const AnsiString& Text, int Width);
  void HitSegment(Pass& P, int Width);
  bool Fits(const Pass& P, int Width, bool Object) const;
  void Advance(Pass& P, int Width, int Height);
  void SetStyle(TFontStyle Style, bool On);
  void SetBrush(TColor Color);
  TColor BrushColor() const;
  int LineTextHeight() { return canvas_->TextHeight("gh"); }

  TCanvas* canvas_;
  const THTMLDrawParams& params_;
  THTMLDrawResult& result_;
  TRect outer_;
  const TFont& base_;
  TColor entryBrush_;
  unsigned flags_;
};
