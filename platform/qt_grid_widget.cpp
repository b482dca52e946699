#include "platform/qt_grid_widget.h"

#include <QCoreApplication>
#include <QHelpEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScrollBar>
#include <QTimerEvent>
#include <QToolTip>
#include <QWheelEvent>

#include "platform/application.h"
#include "platform/qt_canvas.h"
#include "platform/qt_text.h"

namespace {

constexpr int kNotch = 120;

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

TShiftState ShiftOf(Qt::KeyboardModifiers modifiers) {
  TShiftState shift;
  if (modifiers & Qt::ShiftModifier) shift << ssShift;
  if (modifiers & Qt::ControlModifier) shift << ssCtrl;
  if (modifiers & Qt::AltModifier) shift << ssAlt;
  return shift;
}

}  // namespace

GridWidget::GridWidget(TCustomGrid* grid) : grid_(grid) {
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setAutoFillBackground(false);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  ConnectBar(verticalScrollBar(), GridAxis::Rows);
  ConnectBar(horizontalScrollBar(), GridAxis::Columns);
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

void GridWidget::LayOutNow() {
  if (isVisible()) return;
  QResizeEvent event(size(), size());
  QCoreApplication::sendEvent(this, &event);
}

bool GridWidget::event(QEvent* event) {
  bool result = QAbstractScrollArea::event(event);
  if (!grid_) return result;
  if (event->type() == QEvent::Paint) {
    QPainter painter(this);
    CanvasPainterBinding binding(*grid_->canvas_, painter);
    Application->HandleEvent([&] { grid_->WMNCPaint(*grid_->canvas_); });
  } else if (event->type() == QEvent::Show) {
    Application->HandleEvent([&] { grid_->FirstShown(); });
  }
  return result;
}

bool GridWidget::viewportEvent(QEvent* event) {
  if (!grid_) return QAbstractScrollArea::viewportEvent(event);
  switch (event->type()) {
    case QEvent::Paint: {
      QPainter painter(viewport());
      CanvasPainterBinding binding(*grid_->canvas_, painter);
      TRect clip = FromQRect(static_cast<QPaintEvent*>(event)->rect());
      Application->HandleEvent([&] { grid_->PaintClient(clip); });
      return true;
    }
    case QEvent::Resize: Application->HandleEvent([&] { grid_->SyncClientSize(); }); return false;
    default: return QAbstractScrollArea::viewportEvent(event);
  }
}

// Installed on the viewport after the control's own filter, so it sees hints first.
bool GridWidget::eventFilter(QObject* watched, QEvent* event) {
  if (!grid_ || watched != viewport() || event->type() != QEvent::ToolTip) return false;
  auto* help = static_cast<QHelpEvent*>(event);
  Application->HandleEvent([&] {
    grid_->ShowHintAt({help->pos().x(), help->pos().y()},
                      {help->globalPos().x(), help->globalPos().y()});
  });
  return true;
}

void GridWidget::wheelEvent(QWheelEvent* event) {
  if (!grid_) return;
  wheelRest_ += event->angleDelta().y();
  TPoint at{static_cast<int>(event->position().x()), static_cast<int>(event->position().y())};
  TShiftState shift = ShiftOf(event->modifiers());
  Application->HandleEvent([&] {
    for (; wheelRest_ <= -kNotch; wheelRest_ += kNotch) grid_->WheelNotch(true, shift, at);
    for (; wheelRest_ >= kNotch; wheelRest_ -= kNotch) grid_->WheelNotch(false, shift, at);
  });
  event->accept();
}

void GridWidget::Detach() {
  grid_ = nullptr;
  for (auto [id, qtId] : timers_) killTimer(qtId);
  timers_.clear();
}

void GridWidget::ShowHint(const AnsiString& text, const THintInfo& info) {
  if (text.empty()) {
    QToolTip::hideText();
    return;
  }
  const TRect& r = info.CursorRect;
  QToolTip::showText({info.HintPos.x, info.HintPos.y}, ToQString(text), viewport(),
                     QRect(r.Left, r.Top, r.Width(), r.Height()));
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
