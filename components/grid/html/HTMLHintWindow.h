// The hint window of the grid: a borderless pop-up with a drop shadow that shows its hint as
// mini-HTML, sized to the laid-out text.
#pragma once

#include "platform/controls/hintwindow.h"

class THTMLHintWindow : public THintWindow {
 public:
  explicit THTMLHintWindow(TComponent* AOwner) : THintWindow(AOwner) {}

  // (0, 0, width, height) of AHint laid out with word wrap in MaxWidth.
  TRect CalcHintRect(int MaxWidth, const AnsiString& AHint, void* AData) override;
  // Shows AHint at Rect's top-left, as large as its text plus a margin, kept on the screen.
  void ActivateHint(TRect Rect, const AnsiString& AHint) override;
  int GetTextWidth() const { return textWidth_; }
  int GetTextHeight() const { return textHeight_; }

 protected:
  void Paint() override;
  void TextChanged() override { Invalidate(); }

 private:
  int textWidth_ = 0;
  int textHeight_ = 0;
  // The mini-HTML layout of a hint: measured, or drawn into R.
  TSize Measure(const AnsiString& Text, int MaxWidth, bool WordWrap);
  void Draw(const AnsiString& Text, TRect R);
};
