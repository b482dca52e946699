// A progress bar from Min to Max; Position stays inside the range.
#pragma once

#include "platform/controls/wincontrol.h"

class TProgressBar : public TWinControl {
 public:
  explicit TProgressBar(TComponent* AOwner);

  int GetMin() const { return min_; }
  void SetMin(int value);
  int GetMax() const { return max_; }
  void SetMax(int value);
  int GetPosition() const { return position_; }
  void SetPosition(int value);
  int Step = 10;
  void StepIt() { SetPosition(position_ + Step); }
  void StepBy(int delta) { SetPosition(position_ + delta); }

 private:
  void UpdateBar();

  int min_ = 0, max_ = 100, position_ = 0;
};
