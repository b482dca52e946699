// TExtStringGrid: HTML text on the printed page. The renderer lays its lines out downwards
// in device pixels, so the text is measured and drawn with the canvas in MM_TEXT, its font
// at the same size in pixels, and the extent is turned back into tenths of a millimetre.
#include <cmath>

#include "components/grid/grid/printing/Printing.h"
#include "platform/winapi/gdi.h"

TSize TExtStringGrid::Printing::PrintHTML(const AnsiString& Text, const TRect& R,
                                          bool MeasureOnly) {
  TCanvas* canvas = P.Canvas;
  const TMapping page = canvas->GetMapping();
  const TRect device = page.LPtoDP(R);
  const int height = canvas->Font->GetHeight();
  canvas->Font->SetHeight(height < 0 ? -page.DeviceLength(height) : page.DeviceLength(height));
  SetMapMode(canvas, MM_TEXT);  // the origins stay, so the page keeps its place
  THTMLDrawParams params = g.HTMLParams(g.URLColor);
  params.Printing = true;
  params.ScaleFactor = P.FontScale;  // images shrink and grow with the fitted fonts
  params.MeasureOnly = MeasureOnly;
  THTMLDrawResult result;
  HTMLDrawEx(canvas, Text, canvas->GetMapping().DPtoLP(device), params, result);
  canvas->Mapping() = page;
  canvas->Font->SetHeight(height);
  // Rounded up, with the pixel the renderer keeps free at the left and the one it wants
  // beyond a line, so that a rectangle of the extent never wraps the lines measured.
  return {static_cast<int>(std::ceil((result.ExtentX + 2) / std::fabs(page.ScaleX()))),
          static_cast<int>(std::ceil(result.ExtentY / std::fabs(page.ScaleY())))};
}
