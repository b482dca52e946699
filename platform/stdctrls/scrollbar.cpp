#include "platform/stdctrls/scrollbar.h"

#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <algorithm>

#include "platform/controls/application.h"

namespace {
QScrollBar* Bar(QWidget* widget) { return static_cast<QScrollBar*>(widget); }

// Qt's styles draw no focus on a scroll bar, where the Windows bar shows it on its thumb. The
// focused bar's thumb takes the selection colour, as clear as the other controls' marks (a bar
// without a thumb, whose page shows everything, takes it along its whole track), and a dotted
// frame goes round the bar.
class FocusBar : public QScrollBar {
 public:
  FocusBar() : QScrollBar(Qt::Horizontal) {}

 protected:
  void paintEvent(QPaintEvent* event) override {
    QScrollBar::paintEvent(event);
    if (!hasFocus()) return;
    QStyleOptionSlider bar;
    initStyleOption(&bar);
    QRect thumb =
        style()->subControlRect(QStyle::CC_ScrollBar, &bar, QStyle::SC_ScrollBarSlider, this);
    if (thumb.isEmpty())
      thumb = style()->subControlRect(QStyle::CC_ScrollBar, &bar, QStyle::SC_ScrollBarGroove, this);
    QPainter painter(this);
    painter.fillRect(thumb.adjusted(1, 1, -1, -1), palette().highlight());
    QPen dotted(palette().color(QPalette::WindowText), 1, Qt::DotLine);
    painter.setPen(dotted);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }
};
}  // namespace

TScrollBar::TScrollBar(TComponent* AOwner) : TWinControl(AOwner, new FocusBar) {
  ControlStyle = {csCaptureMouse, csDoubleClicks};
  SetTabStop(true);
  QScrollBar* bar = Bar(Widget());
  QObject::connect(bar, &QAbstractSlider::actionTriggered, bar, [this](int action) {
    Application->HandleEvent([this, action] { UserScroll(action); });
  });
  UpdateBar();
  SetBounds(0, 0, 121, 17);
}

void TScrollBar::SetKind(TScrollBarKind value) {
  if (value == kind_) return;
  kind_ = value;
  Bar(Widget())->setOrientation(value == sbVertical ? Qt::Vertical : Qt::Horizontal);
  SetBounds(left_, top_, height_, width_);
}

void TScrollBar::SetParams(int position, int min, int max) {
  if (max < min || max < pageSize_) throw EInvalidOperation("Scrollbar property out of range");
  position = std::clamp(position, min, max);
  min_ = min;
  max_ = max;
  bool moved = position != position_;
  position_ = position;
  UpdateBar();
  if (moved) Change();
}

void TScrollBar::SetSmallChange(int value) {
  smallChange_ = value;
  UpdateBar();
}

void TScrollBar::SetLargeChange(int value) {
  largeChange_ = value;
  UpdateBar();
}

void TScrollBar::SetPageSize(int value) {
  if (value < 0 || value > max_ - min_ + 1) throw EInvalidOperation("Scrollbar property out of range");
  pageSize_ = value;
  UpdateBar();
}

// Qt's range ends where the page's top can go; a page of 0 still gets a thumb to drag.
void TScrollBar::UpdateBar() {
  QScrollBar* bar = Bar(Widget());
  QSignalBlocker block(bar);
  bar->setRange(min_, std::max(min_, max_ - std::max(pageSize_ - 1, 0)));
  bar->setSingleStep(smallChange_);
  bar->setPageStep(pageSize_ > 0 ? pageSize_ : largeChange_);
  bar->setValue(position_);
}

// Qt has moved its slider for the action; the class library's rules say where it ends.
void TScrollBar::UserScroll(int action) {
  QScrollBar* bar = Bar(Widget());
  int position = position_;
  TScrollCode code;
  switch (action) {
    case QAbstractSlider::SliderSingleStepSub: code = scLineUp; position -= smallChange_; break;
    case QAbstractSlider::SliderSingleStepAdd: code = scLineDown; position += smallChange_; break;
    case QAbstractSlider::SliderPageStepSub: code = scPageUp; position -= largeChange_; break;
    case QAbstractSlider::SliderPageStepAdd: code = scPageDown; position += largeChange_; break;
    case QAbstractSlider::SliderToMinimum: code = scTop; position = min_; break;
    case QAbstractSlider::SliderToMaximum: code = scBottom; position = max_; break;
    case QAbstractSlider::SliderMove:
      code = scTrack;
      position = bar->sliderPosition();
      tracking_ = true;
      break;
    default: return;
  }
  position = std::clamp(position, min_, max_);
  Scroll(code, position);
  SetPosition(position);
  bar->setSliderPosition(std::min(position_, bar->maximum()));
}

void TScrollBar::WMLButtonUp(TWMMouse& Message) {
  TWinControl::WMLButtonUp(Message);
  int position = position_;
  if (tracking_) {
    tracking_ = false;
    Scroll(scPosition, position);
    SetPosition(position);
  }
  Scroll(scEndScroll, position);
}

void TScrollBar::Change() {
  if (OnChange) OnChange(this);
}

void TScrollBar::Scroll(TScrollCode ScrollCode, int& ScrollPos) {
  if (OnScroll) OnScroll(this, ScrollCode, ScrollPos);
}

void TScrollBar::WMGetDlgCode(TWMGetDlgCode& Message) { Message.Result = DLGC_WANTARROWS; }
