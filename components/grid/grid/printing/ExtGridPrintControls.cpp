// TExtStringGrid: the cell controls on the printed page. The screen's drawing steps place and
// draw them in screen pixels with y downwards, so they run on the page in a mapping of screen
// pixels (scaled with the fitted fonts) and print at the size they show.
#include <cmath>

#include "components/grid/grid/paint/ExtGridCellPaint.h"
#include "components/grid/grid/printing/Printing.h"
#include "platform/winapi/gdi.h"

namespace {

// The canvas in a mapping of Scale device pixels per screen pixel, y downwards, its origin
// kept; the page's mapping and font height come back at the end.
class ScreenPixelScope {
 public:
  ScreenPixelScope(TCanvas* Canvas, double Scale)
      : canvas_(Canvas), page_(Canvas->GetMapping()), height_(Canvas->Font->GetHeight()) {
    const int device = page_.DeviceLength(height_);
    constexpr int kUnits = 1000;
    SetMapMode(Canvas, MM_ANISOTROPIC);
    SetWindowExtEx(Canvas, kUnits, kUnits, nullptr);
    const int extent = std::max(1, static_cast<int>(std::lround(kUnits * Scale)));
    SetViewportExtEx(Canvas, extent, extent, nullptr);
    const int logical = std::max(1, static_cast<int>(std::lround(device / Scale)));
    Canvas->Font->SetHeight(height_ < 0 ? -logical : logical);
  }
  ~ScreenPixelScope() {
    canvas_->Mapping() = page_;
    canvas_->Font->SetHeight(height_);
  }
  ScreenPixelScope(const ScreenPixelScope&) = delete;
  ScreenPixelScope& operator=(const ScreenPixelScope&) = delete;
  const TMapping& Page() const { return page_; }

 private:
  TCanvas* canvas_;
  TMapping page_;
  int height_;
};

}  // namespace

int TExtStringGrid::Printing::PrintCellControl(int RealCol, int ARow, const TRect& R,
                                               TAlignment HAlign, bool& TextShows) {
  TCanvas* canvas = P.Canvas;
  // Device pixels of a screen pixel: 0.1 mm of a screen pixel (K) on the page's device.
  const double scale = std::fabs(canvas->GetMapping().ScaleX()) * P.K * P.FontScale;
  if (!(scale > 0)) return 0;
  const TRect device = canvas->GetMapping().LPtoDP(R);
  const ScreenPixelScope pixels(canvas, scale);
  CellPaint p{
      canvas, g.RemapColInv(RealCol), RealCol, ARow, canvas->GetMapping().DPtoLP(device), {},
      false};
  p.HAlign = HAlign;
  p.Graphic = g.GetGraphicDetails(RealCol, ARow, p.GraphicW, p.GraphicH, p.GraphicText,
                                  p.GraphicHAlign, p.GraphicVAlign);
  p.Brush = p.Shown = canvas->Brush->GetColor();
  p.FontColor = p.URLColor = canvas->Font->GetColor();
  TextShows = p.GraphicText;
  // A button keeps the place the screen gave it, where the mouse finds it.
  const double place = p.Graphic->CellValue;
  g.DrawCellGraphic(p);
  p.Graphic->CellValue = place;
  canvas->Brush->SetColor(p.Brush);
  canvas->Font->SetColor(p.FontColor);
  return static_cast<int>(std::lround(p.GraphicW * P.K * P.FontScale));
}
