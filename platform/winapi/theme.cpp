#include "platform/winapi/theme.h"

#include <QApplication>
#include <QStyle>
#include <QStyleOption>

#include <strings.h>

#include "platform/graphics/qt/qt_canvas.h"

struct HTHEME__ {
  enum Kind { button, combo, spin } kind;
};

namespace {

QStyle::State StateFlags(int part, int state) {
  QStyle::State flags = QStyle::State_None;
  int inGroup = part == BP_PUSHBUTTON ? state : (state - 1) % 4 + 1;
  if (inGroup != PBS_DISABLED) flags |= QStyle::State_Enabled;
  if (inGroup == PBS_HOT) flags |= QStyle::State_MouseOver;
  if (inGroup == PBS_PRESSED) flags |= QStyle::State_Sunken;
  if (part != BP_PUSHBUTTON) flags |= state > 4 ? QStyle::State_On : QStyle::State_Off;
  else flags |= QStyle::State_Raised;
  return flags;
}

// The spin parts point up, down, right (horizontal up) and left (horizontal down).
QStyle::PrimitiveElement ArrowOf(int spinPart) {
  switch (spinPart) {
    case SPNP_UP:
      return QStyle::PE_IndicatorArrowUp;
    case SPNP_UPHORZ:
      return QStyle::PE_IndicatorArrowRight;
    case SPNP_DOWNHORZ:
      return QStyle::PE_IndicatorArrowLeft;
    default:
      return QStyle::PE_IndicatorArrowDown;
  }
}

}  // namespace

bool IsThemeActive() { return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr; }

bool IsAppThemed() { return IsThemeActive(); }

HTHEME OpenThemeData(void*, const char* classList) {
  if (!IsThemeActive() || !classList) return nullptr;
  if (strcasecmp(classList, "button") == 0) return new HTHEME__{HTHEME__::button};
  if (strcasecmp(classList, "combobox") == 0) return new HTHEME__{HTHEME__::combo};
  if (strcasecmp(classList, "spin") == 0) return new HTHEME__{HTHEME__::spin};
  return nullptr;
}

int CloseThemeData(HTHEME theme) {
  delete theme;
  return S_OK;
}

int DrawThemeBackground(HTHEME theme, HDC dc, int part, int state, const TRect* rect,
                        const TRect* clip) {
  if (!theme || !dc || !rect || !IsThemeActive()) return E_FAIL;
  QPainter* p = CanvasAccess::Begin(*dc);
  if (!p) return S_OK;
  QStyle* style = QApplication::style();
  QStyleOptionButton option;
  option.rect = ToQRect(dc->GetMapping().LPtoDP(*rect));
  option.palette = QApplication::palette();
  const bool arrowButton = theme->kind != HTHEME__::button;
  option.state = StateFlags(arrowButton ? BP_PUSHBUTTON : part, state);
  if (clip) p->setClipRect(ToQRect(dc->GetMapping().LPtoDP(*clip)), Qt::IntersectClip);
  if (arrowButton) {
    style->drawControl(QStyle::CE_PushButtonBevel, &option, p);
    QStyleOption arrow = option;
    int side = std::min(option.rect.width(), option.rect.height()) / 2;
    arrow.rect = QRect(0, 0, side, side);
    arrow.rect.moveCenter(option.rect.center());
    style->drawPrimitive(ArrowOf(theme->kind == HTHEME__::spin ? part : SPNP_DOWN), &arrow, p);
  } else if (part == BP_CHECKBOX) {
    style->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, p);
  } else if (part == BP_RADIOBUTTON) {
    style->drawPrimitive(QStyle::PE_IndicatorRadioButton, &option, p);
  } else {
    style->drawControl(QStyle::CE_PushButtonBevel, &option, p);
  }
  return S_OK;
}
