// A timer that calls OnTimer every Interval milliseconds while Enabled, through the message
// loop. An interval of 0 never fires. A handler may free the timer that calls it.
#pragma once

#include <functional>
#include <memory>

#include "platform/object.h"

class QTimer;

class TTimer : public TObject {
 public:
  TTimer();
  ~TTimer() override;
  TTimer(const TTimer&) = delete;
  TTimer& operator=(const TTimer&) = delete;

  bool GetEnabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  int GetInterval() const { return interval_; }
  void SetInterval(int milliseconds);  // a change starts the count anew

  std::function<void(TObject* Sender)> OnTimer;

 private:
  std::unique_ptr<QTimer> timer_;
  bool enabled_ = true;
  int interval_ = 1000;

  void Update();
  void Fire();
};
