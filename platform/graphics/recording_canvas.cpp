#include "platform/graphics/recording_canvas.h"

#include "platform/graphics/qt/qt_canvas.h"

// A device of a fixed size that paints nothing.
class TRecordingCanvas::Device : public CanvasDevice {
 public:
  explicit Device(const TDeviceCaps& caps) : caps_(caps) {}
  QPainter* Painter() override { return nullptr; }
  TDeviceCaps Caps() const override { return caps_; }

 private:
  TDeviceCaps caps_;
};

TRecordingCanvas::TRecordingCanvas(int charWidth, int lineHeight, int deviceWidth,
                                   int deviceHeight, int dpi)
    : charWidth_(charWidth), lineHeight_(lineHeight) {
  TDeviceCaps caps;
  caps.width = caps.physicalWidth = deviceWidth;
  caps.height = caps.physicalHeight = deviceHeight;
  caps.dpiX = caps.dpiY = dpi;
  device_ = std::make_unique<Device>(caps);
  CanvasAccess::Bind(*this, device_.get());
}

TRecordingCanvas::~TRecordingCanvas() { CanvasAccess::Bind(*this, nullptr); }

std::vector<TRecordedCall> TRecordingCanvas::CallsOf(TCanvasOp op) const {
  std::vector<TRecordedCall> out;
  for (const TRecordedCall& c : Calls)
    if (c.Op == op) out.push_back(c);
  return out;
}

TSize TRecordingCanvas::TextExtent(const AnsiString& text) {
  return {charWidth_ * static_cast<int>(text.size()), lineHeight_};
}

TEXTMETRIC TRecordingCanvas::GetTextMetrics() {
  TEXTMETRIC tm;
  tm.tmHeight = lineHeight_;
  tm.tmAscent = lineHeight_ * 3 / 4;
  tm.tmDescent = lineHeight_ - tm.tmAscent;
  tm.tmAveCharWidth = tm.tmMaxCharWidth = charWidth_;
  return tm;
}

void TRecordingCanvas::Perform(const TCanvasCall& call) {
  TRecordedCall r;
  static_cast<TCanvasCall&>(r) = call;
  LOGFONT font = CurrentLogFont();
  r.FontName = font.lfFaceName;
  r.FontHeight = font.lfHeight;
  if (font.lfWeight >= FW_BOLD) r.FontStyle << fsBold;
  if (font.lfItalic) r.FontStyle << fsItalic;
  if (font.lfUnderline) r.FontStyle << fsUnderline;
  if (font.lfStrikeOut) r.FontStyle << fsStrikeOut;
  r.TextColor = GetTextColor();
  r.FontEscapement = font.lfEscapement;
  r.BrushColor = Brush->GetColor();
  r.BrushStyle = Brush->GetStyle();
  r.PenColor = Pen->GetColor();
  r.PenWidth = Pen->GetWidth();
  r.PenStyle = Pen->GetStyle();
  r.PenMode = Pen->GetMode();
  r.BkMode = GetBkMode();
  Calls.push_back(r);
}
