// The scroll area a grid stands on. Private to platform/. Its viewport is the grid's client
// area, a painted widget on which the grid's Paint runs; its scroll bars count rows and columns
// and report what the user does with them as scroll requests; window timers and the border's
// painting reach the grid here. Keys, mouse, wheel and hints reach the grid as they reach
// every control.
#pragma once

#include <QAbstractScrollArea>
#include <map>

#include "platform/grids/grid.h"

class PaintedWidget;

class GridWidget : public QAbstractScrollArea {
 public:
  explicit GridWidget(TCustomGrid* grid);

  PaintedWidget* Surface() const { return surface_; }
  // The grid is going: nothing reaches it any more.
  void Detach();
  void SetTimer(int id, int milliseconds);
  void KillTimer(int id);
  // Range, page and position of a scroll bar; `shown` whether the grid allows it.
  void SetBar(GridAxis axis, bool shown, int minimum, int maximum, int page, int position);
  void SetBarLook(TScrollBarLook look, TColor color, int width);
  // Lays the viewport and the scroll bars out now; a hidden widget would wait until shown.
  void LayOutNow();

 protected:
  bool event(QEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  void scrollContentsBy(int, int) override {}
  void timerEvent(QTimerEvent* event) override;

 private:
  TCustomGrid* grid_;
  PaintedWidget* surface_;
  std::map<int, int> timers_;  // the grid's id -> Qt's id
  bool settingBar_ = false;

  void ConnectBar(QScrollBar* bar, GridAxis axis);
  void OnBarAction(QScrollBar* bar, GridAxis axis, int action);
};
