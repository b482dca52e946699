// A timer that calls OnTimer every Interval milliseconds while Enabled, through the message
// loop. An interval of 0 never fires. A handler may free the timer that calls it; an
// exception escaping it is shown as other event handlers' are.
#pragma once

#include <memory>

#include "platform/core/component.h"
#include "platform/core/notify_event.h"

class QTimer;

class TTimer : public TComponent {
 public:
  explicit TTimer(TComponent* AOwner);
  ~TTimer() override;

  bool GetEnabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  int GetInterval() const { return interval_; }
  void SetInterval(int milliseconds);  // a change starts the count anew

  TNotifyEvent OnTimer;

 private:
  std::unique_ptr<QTimer> timer_;
  bool enabled_ = true;
  int interval_ = 1000;

  void Update();
  void Fire();
};
