#include "platform/winapi/system_metrics.h"

#include <QApplication>
#include <QStyle>

int GetSystemMetrics(int index) {
  if (index != SM_CXVSCROLL && index != SM_CYHSCROLL) return 0;
  return QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

int WheelScrollLines() { return QApplication::wheelScrollLines(); }
