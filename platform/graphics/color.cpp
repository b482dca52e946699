#include "platform/graphics/color.h"

#include <QGuiApplication>
#include <QPalette>

#include "platform/graphics/qt/qt_color.h"

namespace {

struct PaletteRole {
  QPalette::ColorGroup group;
  QPalette::ColorRole role;
};

// Which palette entry stands for each Windows system colour.
PaletteRole RoleOf(int index) {
  using P = QPalette;
  switch (index) {
    case COLOR_BACKGROUND: return {P::Active, P::Dark};
    case COLOR_ACTIVECAPTION:
    case COLOR_GRADIENTACTIVECAPTION:
    case COLOR_HIGHLIGHT:
    case COLOR_MENUHILIGHT: return {P::Active, P::Highlight};
    case COLOR_INACTIVECAPTION:
    case COLOR_GRADIENTINACTIVECAPTION:
    case COLOR_APPWORKSPACE: return {P::Active, P::Mid};
    case COLOR_WINDOW: return {P::Active, P::Base};
    case COLOR_WINDOWFRAME:
    case COLOR_3DDKSHADOW: return {P::Active, P::Shadow};
    case COLOR_MENUTEXT: return {P::Active, P::WindowText};
    case COLOR_WINDOWTEXT: return {P::Active, P::Text};
    case COLOR_CAPTIONTEXT:
    case COLOR_HIGHLIGHTTEXT: return {P::Active, P::HighlightedText};
    case COLOR_BTNFACE: return {P::Active, P::Button};
    case COLOR_BTNSHADOW: return {P::Active, P::Dark};
    case COLOR_GRAYTEXT:
    case COLOR_INACTIVECAPTIONTEXT: return {P::Disabled, P::Text};
    case COLOR_BTNTEXT: return {P::Active, P::ButtonText};
    case COLOR_BTNHIGHLIGHT: return {P::Active, P::Light};
    case COLOR_3DLIGHT: return {P::Active, P::Midlight};
    case COLOR_INFOTEXT: return {P::Active, P::ToolTipText};
    case COLOR_INFOBK: return {P::Active, P::ToolTipBase};
    case COLOR_HOTLIGHT: return {P::Active, P::Link};
    default: return {P::Active, P::Window};  // scroll bar, menu, borders, menu bar
  }
}

// Without a GUI application there is no palette: the classic Windows values stand in.
TColor ClassicColor(int index) {
  static constexpr TColor kClassic[31] = {
      0xC8D0D4, 0x808000, 0x6A240A, 0x808080, 0xC8D0D4, 0xFFFFFF, 0x000000, 0x000000,
      0x000000, 0xFFFFFF, 0xC8D0D4, 0xC8D0D4, 0x808080, 0x6A240A, 0xFFFFFF, 0xC8D0D4,
      0x808080, 0x808080, 0x000000, 0xC8D0D4, 0xFFFFFF, 0x404040, 0xC8D0D4, 0x000000,
      0xE1FFFF, 0xB5B5B5, 0x800000, 0xF0CAA6, 0xC0C0C0, 0x6A240A, 0xC8D0D4};
  return index >= 0 && index < 31 ? kClassic[index] : 0;
}

}  // namespace

TColor GetSysColor(int index) {
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return ClassicColor(index);
  PaletteRole r = RoleOf(index);
  return FromQColor(QGuiApplication::palette().color(r.group, r.role));
}

TColor ColorToRGB(TColor color) {
  return IsSystemColor(color) ? GetSysColor(color & 0xFF) : color;
}

QColor ToQColor(TColor color) {
  if (color == clNone) return QColor(0, 0, 0, 0);
  if (color == clDefault) color = clWindowText;
  TColor rgb = ColorToRGB(color);
  return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

TColor FromQColor(const QColor& color) { return RGB(color.red(), color.green(), color.blue()); }
