// The scroll area a grid stands on. Private to platform/. Its viewport is the grid's client
// area, painted by the grid; its scroll bars count rows and columns and report what the user
// does with them as scroll requests; the wheel, hints and window timers reach the grid here.
// Keys and mouse buttons reach the grid as they reach every control.
#pragma once

#include <QAbstractScrollArea>
#include <map>

#include "platform/grid.h"

class GridWidget : public QAbstractScrollArea {
 public:
  explicit GridWidget(TCustomGrid* grid);

  // The grid is going: nothing reaches it any more.
  void Detach();
  void SetTimer(int id, int milliseconds);
  void KillTimer(int id);
  // Range, page and position of a scroll bar; `shown` whether the grid allows it.
  void SetBar(GridAxis axis, bool shown, int minimum, int maximum, int page, int position);
  // Lays the viewport and the scroll bars out now; a hidden widget would wait until shown.
  void LayOutNow();
  // Shows a hint at the place the info gives; an empty text hides it.
  void ShowHint(const AnsiString& text, const THintInfo& info);

 protected:
  bool event(QEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void scrollContentsBy(int, int) override {}
  void wheelEvent(QWheelEvent* event) override;
  void timerEvent(QTimerEvent* event) override;

 private:
  TCustomGrid* grid_;
  std::map<int, int> timers_;  // the grid's id -> Qt's id
  int wheelRest_ = 0;          // eighths of a degree short of a notch
  bool settingBar_ = false;

  void ConnectBar(QScrollBar* bar, GridAxis axis);
  void OnBarAction(QScrollBar* bar, GridAxis axis, int action);
};
