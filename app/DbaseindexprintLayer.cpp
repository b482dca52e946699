// The print layer's globals, its position, font and margin operations and its drawing
// primitives.
#include <algorithm>

#include "app/Dbaseindexprint.h"

TXPrint* druck_xprint = nullptr;
int druck_x = 0;
int druck_y = 0;
AnsiString druck_zeile;
int druck_raster = 10;
int druck_einzuglinks = 0;
int druck_einzugrechts = 0;
int druck_ausrichtung = 1;
float druck_zeilenfaktor = 1.0f;
std::array<char, kDruckSpalten> druck_spaltenformat{};
double druck_schriftfaktor = 0.0;

namespace {

TCanvas* Canvas() { return druck_xprint ? druck_xprint->Canvas : nullptr; }

}  // namespace

void druck_spaltenformatsetzen(const AnsiString& letters) {
  std::copy_n(letters.begin(), std::min(letters.size(), druck_spaltenformat.size()),
              druck_spaltenformat.begin());
}

void druck_init() {
  druck_zeileausgeben();
  druck_einzuglinks = druck_einzugrechts = 0;
  druck_rasterposition(0, 0);
  druck_ausrichtung = 1;
  druck_zeilenfaktor = 1.0f;
  druck_raster = 10;
}

void druck_rasterposition(int x, int y) { druck_position(x * druck_raster, y * druck_raster); }

void druck_position(int x, int y) {
  druck_zeileausgeben();
  druck_x = x;
  druck_y = y;
}

void druck_schriftgroesse(int punkte) {
  druck_zeileausgeben();
  if (druck_xprint) druck_xprint->SetFontSize(punkte);
}

void druck_schriftart(const AnsiString& name) {
  druck_zeileausgeben();
  if (Canvas()) Canvas()->Font->SetName(name);
}

void druck_steuercode(const AnsiString& code) {
  druck_zeileausgeben();
  if (!Canvas()) return;
  TFont* font = Canvas()->Font;
  if (code == "13") font->SetStyle(font->GetStyle() + fsBold);
  if (code == "14") font->SetStyle(font->GetStyle() - fsBold);
}

void druck_raender(int links, int rechts, int oben, int unten) {
  druck_zeileausgeben();
  if (!druck_xprint) return;
  druck_xprint->MarginLeft = links * druck_raster;
  druck_xprint->MarginRight = rechts * druck_raster;
  druck_xprint->MarginTop = oben * druck_raster;
  druck_xprint->MarginBottom = unten * druck_raster;
}

void druck_moveto(int x, int y) {
  if (Canvas()) Canvas()->MoveTo(x, y);
}

void druck_lineto(int x, int y) {
  if (Canvas()) Canvas()->LineTo(x, y);
}

void druck_rastermoveto(int x, int y) { druck_moveto(x * druck_raster, y * druck_raster); }

void druck_rasterlineto(int x, int y) { druck_lineto(x * druck_raster, y * druck_raster); }

void druck_rasterrahmen(int x, int y, int breite, int hoehe) {
  druck_rastermoveto(x, y);
  druck_rasterlineto(x, y + hoehe);
  druck_rasterlineto(x + breite, y + hoehe);
  druck_rasterlineto(x + breite, y);
  druck_rasterlineto(x, y);
}

void druck_rasterrechteck(int x, int y, int breite, int hoehe) {
  const int s = druck_raster;
  druck_rechteck(x * s, y * s, breite * s, hoehe * s);
}

void druck_rechteck(int x, int y, int breite, int hoehe) {
  if (Canvas()) Canvas()->Rectangle(x, y, x + breite, y + hoehe);
}

void druck_stiftfarbe(TColor farbe) {
  if (Canvas()) Canvas()->Pen->SetColor(farbe);
}

void druck_stiftbreite(int breite) {
  if (Canvas()) Canvas()->Pen->SetWidth(breite);
}
