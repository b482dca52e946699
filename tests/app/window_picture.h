// Pictures of the program's windows: rendered into a PNG (kept in $KALVENTO_PICTURE_DIR when
// that is set, else in a temporary folder) and read back to look for ink where texts belong.
#pragma once

#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QTemporaryDir>
#include <QWidget>

#include <cstdlib>

#include "platform/controls/control.h"

inline QImage RenderWindow(TControl* form, const QString& name) {
  QTemporaryDir temp;
  const char* keep = std::getenv("KALVENTO_PICTURE_DIR");
  QString path = QDir(keep ? QString::fromLocal8Bit(keep) : temp.path()).filePath(name);
  if (!form->Widget()->grab().save(path)) return {};
  return QImage(path);
}

inline bool HasInk(const QImage& image, const QRect& area) {
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (qGray(image.pixel(x, y)) < 96) return true;
  return false;
}

// Where a control lies in its form's client area.
inline QRect AreaInForm(TControl* control) {
  int left = control->GetLeft(), top = control->GetTop();
  for (TControl* p = control->GetParent(); p && p->GetParent(); p = p->GetParent())
    left += p->GetLeft(), top += p->GetTop();
  return QRect(left, top, control->GetWidth(), control->GetHeight());
}
