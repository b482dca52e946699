#include "platform/stdctrls/updown.h"

#include <QBoxLayout>
#include <QToolButton>
#include <algorithm>

#include "platform/controls/application.h"

namespace {
// The arrows repeat as the Windows ones do: after 400 ms, then every 100 ms.
constexpr int kRepeatDelay = 400;
constexpr int kRepeatInterval = 100;

QToolButton* Arrow(QWidget* widget, int index) {
  return widget->findChildren<QToolButton*>(QString(), Qt::FindDirectChildrenOnly).at(index);
}

AnsiString WithThousands(int value) {
  AnsiString digits = IntToStr(value < 0 ? -static_cast<int64_t>(value) : value);
  AnsiString out;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += ThousandSeparator;
    out += digits[i];
  }
  return value < 0 ? "-" + out : out;
}
}  // namespace

TUpDown::TUpDown(TComponent* AOwner) : TWinControl(AOwner, new QWidget) {
  ControlStyle = {csCaptureMouse};
  auto* layout = new QBoxLayout(QBoxLayout::TopToBottom, Widget());
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  for (TUDBtnType button : {btNext, btPrev}) {
    auto* arrow = new QToolButton;
    arrow->setArrowType(button == btNext ? Qt::UpArrow : Qt::DownArrow);
    arrow->setAutoRepeat(true);
    arrow->setAutoRepeatDelay(kRepeatDelay);
    arrow->setAutoRepeatInterval(kRepeatInterval);
    arrow->setFocusPolicy(Qt::NoFocus);
    arrow->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    layout->addWidget(arrow);
    QObject::connect(arrow, &QToolButton::clicked, arrow, [this, button] {
      Application->HandleEvent([this, button] { Click(button); });
    });
  }
  SetBounds(0, 0, 17, 25);
}

void TUpDown::SetPosition(int value) {
  position_ = std::clamp(value, std::min(min_, max_), std::max(min_, max_));
  ShowPosition();
}

void TUpDown::SetOrientation(TUDOrientation value) {
  orientation_ = value;
  auto* layout = static_cast<QBoxLayout*>(Widget()->layout());
  bool vertical = value == udVertical;
  layout->setDirection(vertical ? QBoxLayout::TopToBottom : QBoxLayout::RightToLeft);
  Arrow(Widget(), 0)->setArrowType(vertical ? Qt::UpArrow : Qt::RightArrow);
  Arrow(Widget(), 1)->setArrowType(vertical ? Qt::DownArrow : Qt::LeftArrow);
}

// The associate gives up the room the arrows take at its right edge.
void TUpDown::SetAssociate(TWinControl* control) {
  if (associate_) RemoveFreeNotification(associate_);
  associate_ = control;
  if (!control) return;
  FreeNotification(control);
  if (control->GetParent() != GetParent()) SetParent(control->GetParent());
  int width = GetWidth();
  control->SetWidth(control->GetWidth() - width);
  SetBounds(control->GetLeft() + control->GetWidth(), control->GetTop(), width, control->GetHeight());
  position_ = std::clamp(StrToIntDef(StringReplaceAll(control->GetText(), AnsiString(1, ThousandSeparator), ""), position_),
                         std::min(min_, max_), std::max(min_, max_));
  ShowPosition();
}

void TUpDown::Click(TUDBtnType Button) {
  bool allow = true;
  if (OnChanging) OnChanging(this, allow);
  if (allow) {
    int low = std::min(min_, max_), high = std::max(min_, max_);
    int step = (Button == btNext) == (min_ <= max_) ? Increment : -Increment;
    int next = position_ + step;
    if (next > high) next = Wrap ? low : high;
    if (next < low) next = Wrap ? high : low;
    position_ = next;
    ShowPosition();
  }
  if (OnClick) OnClick(this, Button);
}

void TUpDown::ShowPosition() {
  if (associate_) associate_->SetText(Thousands ? WithThousands(position_) : IntToStr(position_));
}

void TUpDown::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == opRemove && component == associate_) associate_ = nullptr;
}
