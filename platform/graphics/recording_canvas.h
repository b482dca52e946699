// A canvas for tests of layout code: it draws nothing, keeps every drawing call with the
// font, brush and pen in force, and measures text with fixed character metrics, so that
// positions do not depend on the fonts installed.
#pragma once

#include <memory>
#include <vector>

#include "platform/graphics/canvas.h"

struct TRecordedCall : TCanvasCall {
  AnsiString FontName;
  int FontHeight = 0;
  TFontStyles FontStyle;
  TColor TextColor = clNone;
  int FontEscapement = 0;
  TColor BrushColor = clNone;
  TBrushStyle BrushStyle = bsSolid;
  TColor PenColor = clNone;
  int PenWidth = 0;
  TPenStyle PenStyle = psSolid;
  TPenMode PenMode = pmCopy;
  int BkMode = OPAQUE;
};

class TRecordingCanvas : public TCanvas {
 public:
  // Every character is charWidth logical units wide, every line lineHeight high (three
  // quarters ascent); the device has the given size and resolution.
  explicit TRecordingCanvas(int charWidth = 8, int lineHeight = 16, int deviceWidth = 1000,
                            int deviceHeight = 1000, int dpi = 96);
  ~TRecordingCanvas() override;

  std::vector<TRecordedCall> Calls;
  // The calls of one kind, in order.
  std::vector<TRecordedCall> CallsOf(TCanvasOp op) const;

  TSize TextExtent(const AnsiString& text) override;
  TEXTMETRIC GetTextMetrics() override;

 protected:
  void Perform(const TCanvasCall& call) override;
  TColor ReadPixel(int, int) override { return CLR_INVALID; }

 private:
  class Device;
  int charWidth_;
  int lineHeight_;
  std::unique_ptr<Device> device_;
};
