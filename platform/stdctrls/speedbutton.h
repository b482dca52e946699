// A button without a window of its own, for tool bars and the small buttons inside other
// controls: a glyph and a caption, raised or flat (flat ones show their edge only while the
// mouse is over them). It goes down while the left button is held on it and clicks when the
// button comes up over it.
#pragma once

#include <memory>

#include "platform/controls/customcontrol.h"

class TBitmap;

enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

class TSpeedButton : public TGraphicControl {
 public:
  explicit TSpeedButton(TComponent* AOwner);
  ~TSpeedButton() override;

  // NumGlyphs images side by side: up, disabled, clicked, down.
  TBitmap* GetGlyph() const { return glyph_.get(); }
  void SetGlyph(const TBitmap* value);
  int GetNumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(int value);  // 1 to 4
  bool GetFlat() const { return flat_; }
  void SetFlat(bool value);

  TButtonState GetState() const { return state_; }
  bool GetMouseInControl() const { return mouseInControl_; }

  // Draws image `index` of a glyph strip transparent at (x, y).
  static void DrawGlyph(TCanvas& canvas, TBitmap& glyph, int numGlyphs, int index, int x, int y);

 protected:
  TButtonState state_ = bsUp;
  bool mouseInControl_ = false;
  // Whether the left button went down on the button and is held still: the mouse is the
  // button's until it comes up.
  bool GetMouseCapture() const { return capture_; }
  // A release over the button clicks it; a button that clicks on the press turns this off.
  bool clickOnRelease_ = true;

  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void CMMouseEnter() override;
  void CMMouseLeave() override;
  void EnabledChanged() override;
  void TextChanged() override { Invalidate(); }
  // The glyph and the caption centred in the rectangle, offset while down.
  void PaintContent(const TRect& rect, bool down);

 private:
  bool Inside(int X, int Y) const { return X >= 0 && Y >= 0 && X < width_ && Y < height_; }

  std::unique_ptr<TBitmap> glyph_;
  int numGlyphs_ = 1;
  bool flat_ = false;
  bool capture_ = false;
};
