#include "platform/stdctrls/progressbar.h"

#include <QProgressBar>
#include <algorithm>

TProgressBar::TProgressBar(TComponent* AOwner) : TWinControl(AOwner, new QProgressBar) {
  static_cast<QProgressBar*>(Widget())->setTextVisible(false);
  UpdateBar();
  SetBounds(0, 0, 150, 16);
}

void TProgressBar::SetMin(int value) {
  min_ = value;
  max_ = std::max(max_, min_);
  UpdateBar();
}

void TProgressBar::SetMax(int value) {
  max_ = value;
  min_ = std::min(min_, max_);
  UpdateBar();
}

void TProgressBar::SetPosition(int value) {
  position_ = value;
  UpdateBar();
}

void TProgressBar::UpdateBar() {
  position_ = std::clamp(position_, min_, max_);
  auto* bar = static_cast<QProgressBar*>(Widget());
  bar->setRange(min_, max_);
  bar->setValue(position_);
}
