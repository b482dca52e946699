#include "platform/grids/qt/qt_grid_widget.h"

#include <QCoreApplication>
#include <QPainter>
#include <QResizeEvent>
#include <QScrollBar>
#include <QTimerEvent>

#include "platform/controls/application.h"
#include "platform/graphics/qt/qt_canvas.h"
#include "platform/graphics/qt/qt_color.h"
#include "platform/controls/qt/qt_painted_widget.h"

namespace {

int ScrollCodeOf(int action) {
  switch (action) {
    case QAbstractSlider::SliderSingleStepSub: return SB_LINEUP;
    case QAbstractSlider::SliderSingleStepAdd: return SB_LINEDOWN;
    case QAbstractSlider::SliderPageStepSub: return SB_PAGEUP;
    case QAbstractSlider::SliderPageStepAdd: return SB_PAGEDOWN;
    case QAbstractSlider::SliderToMinimum: return SB_TOP;
    case QAbstractSlider::SliderToMaximum: return SB_BOTTOM;
    case QAbstractSlider::SliderMove: return SB_THUMBTRACK;
    default: return -1;
  }
}

}  // namespace

GridWidget::GridWidget(TCustomGrid* grid) : grid_(grid), surface_(new PaintedWidget) {
  setViewport(surface_);
  setFocusPolicy(Qt::StrongFocus);
  surface_->setAttribute(Qt::WA_OpaquePaintEvent);
  ConnectBar(verticalScrollBar(), GridAxis::Rows);
  ConnectBar(horizontalScrollBar(), GridAxis::Columns);
}

void GridWidget::Detach() {
  grid_ = nullptr;
  for (auto [id, qtId] : timers_) killTimer(qtId);
  timers_.clear();
}

void GridWidget::ConnectBar(QScrollBar* bar, GridAxis axis) {
  bar->setSingleStep(1);
  connect(bar, &QAbstractSlider::actionTriggered, this,
          [this, bar, axis](int action) { OnBarAction(bar, axis, action); });
  connect(bar, &QAbstractSlider::sliderReleased, this, [this, bar, axis] {
    if (!grid_) return;
    Application->HandleEvent([&] {
      grid_->ScrollBarAction(axis, SB_THUMBPOSITION, bar->sliderPosition());
      grid_->ScrollBarAction(axis, SB_ENDSCROLL, bar->sliderPosition());
    });
  });
}

void GridWidget::OnBarAction(QScrollBar* bar, GridAxis axis, int action) {
  int code = ScrollCodeOf(action);
  if (code < 0 || settingBar_ || !grid_) return;
  Application->HandleEvent([&] { grid_->ScrollBarAction(axis, code, bar->sliderPosition()); });
}

void GridWidget::SetBar(GridAxis axis, bool shown, int minimum, int maximum, int page,
                        int position) {
  QScrollBar* bar = axis == GridAxis::Rows ? verticalScrollBar() : horizontalScrollBar();
  Qt::ScrollBarPolicy policy = shown ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
  settingBar_ = true;
  if (axis == GridAxis::Rows)
    setVerticalScrollBarPolicy(policy);
  else
    setHorizontalScrollBarPolicy(policy);
  bar->setRange(minimum, maximum);
  bar->setPageStep(page);
  if (!bar->isSliderDown()) bar->setSliderPosition(position);
  settingBar_ = false;
  LayOutNow();
}

// Style sheets draw the flat looks; the regular look at the system's colour and thickness is
// the style's own.
void GridWidget::SetBarLook(TScrollBarLook look, TColor color, int width) {
  QString sheet;
  if (width > 0)
    sheet += QString("QScrollBar:vertical{width:%1px;}QScrollBar:horizontal{height:%1px;}").arg(width);
  if (look != sbRegular || color != clNone) {
    const QString background =
        color != clNone ? ToQColor(color).name() : palette().color(QPalette::Button).name();
    const QString handle = look == sbEncarta ? "border:1px outset #808080;" : "border:none;";
    sheet += QString("QScrollBar{background:%1;border:none;}"
                     "QScrollBar::handle{background:#c0c0c0;%2min-height:8px;min-width:8px;}"
                     "QScrollBar::add-line,QScrollBar::sub-line{background:%1;border:none;}"
                     "QScrollBar::add-page,QScrollBar::sub-page{background:none;}")
                 .arg(background, handle);
  }
  verticalScrollBar()->setStyleSheet(sheet);
  horizontalScrollBar()->setStyleSheet(sheet);
  LayOutNow();
}

void GridWidget::LayOutNow() {
  if (isVisible()) return;
  QResizeEvent event(size(), size());
  QCoreApplication::sendEvent(this, &event);
}

// The frame is the grid's border: WMNCPaint draws on it after Qt.
bool GridWidget::event(QEvent* event) {
  bool result = QAbstractScrollArea::event(event);
  if (!grid_) return result;
  if (event->type() == QEvent::Paint) {
    QPainter painter(this);
    CanvasPainterBinding binding(*grid_->GetCanvas(), painter);
    Application->HandleEvent([&] { grid_->WMNCPaint(*grid_->GetCanvas()); });
  } else if (event->type() == QEvent::Show) {
    Application->HandleEvent([&] { grid_->FirstShown(); });
  }
  return result;
}

bool GridWidget::viewportEvent(QEvent* event) {
  if (!grid_) return QAbstractScrollArea::viewportEvent(event);
  switch (event->type()) {
    case QEvent::Paint: return false;  // the surface paints itself through the grid's Paint
    case QEvent::Resize: Application->HandleEvent([&] { grid_->SyncClientSize(); }); return false;
    default: return QAbstractScrollArea::viewportEvent(event);
  }
}

void GridWidget::SetTimer(int id, int milliseconds) {
  KillTimer(id);
  timers_[id] = startTimer(milliseconds);
}

void GridWidget::KillTimer(int id) {
  auto found = timers_.find(id);
  if (found == timers_.end()) return;
  killTimer(found->second);
  timers_.erase(found);
}

void GridWidget::timerEvent(QTimerEvent* event) {
  for (auto [id, qtId] : timers_)
    if (qtId == event->timerId()) {
      Application->HandleEvent([&, id = id] { grid_->WMTimer(id); });
      return;
    }
}
