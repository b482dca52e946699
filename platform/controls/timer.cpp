#include "platform/controls/timer.h"

#include <QTimer>

#include "platform/controls/application.h"

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner), timer_(std::make_unique<QTimer>()) {
  QObject::connect(timer_.get(), &QTimer::timeout, [this] { Fire(); });
  // A coarse timer may fire 5 % late: an unattended query due 100 ms after its window shows
  // would start at 105.
  timer_->setTimerType(Qt::PreciseTimer);
  Update();
}

TTimer::~TTimer() = default;

void TTimer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Update();
}

void TTimer::SetInterval(int milliseconds) {
  if (milliseconds == interval_) return;
  interval_ = milliseconds;
  Update();
}

void TTimer::Update() {
  timer_->stop();
  if (enabled_ && interval_ > 0) timer_->start(interval_);
}

// The handler is copied first: it may free this timer, and with it OnTimer.
void TTimer::Fire() {
  TNotifyEvent handler = OnTimer;
  if (handler) Application->HandleEvent([&handler, this] { handler(this); });
}
