#include "platform/stdctrls/label.h"

#include <QFontMetrics>
#include <QLabel>
#include <algorithm>

#include "platform/core/qt/qt_text.h"

namespace {
constexpr int kLargeHeight = 1 << 20;

QLabel* Text(QWidget* widget) { return static_cast<QLabel*>(widget); }

// The caption as shown without a focus control: "&&" is "&", a single "&" is dropped.
AnsiString WithoutAccelerators(const AnsiString& caption) {
  AnsiString out;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;
    out += caption[i];
  }
  return out;
}
}  // namespace

TLabel::TLabel(TComponent* AOwner) : TControl(AOwner, new QLabel) {
  Text(Widget())->setTextFormat(Qt::PlainText);
  Text(Widget())->setAlignment(Qt::Alignment(TextFlags()));
  TControl::SetBounds(0, 0, 65, 17);
  SetParentColor(true);
  AdjustBounds();
}

void TLabel::SetTransparent(bool value) {
  transparent_ = value;
  ColorChanged();
}

void TLabel::ColorChanged() {
  TControl::ColorChanged();
  if (transparent_) Widget()->setAutoFillBackground(false);
}

int TLabel::TextFlags() const {
  int horizontal = alignment_ == taRightJustify ? Qt::AlignRight
                   : alignment_ == taCenter     ? Qt::AlignHCenter
                                                : Qt::AlignLeft;
  int vertical = layout_ == tlCenter ? Qt::AlignVCenter : layout_ == tlBottom ? Qt::AlignBottom
                                                                              : Qt::AlignTop;
  return horizontal | vertical;
}

void TLabel::SetAutoSize(bool value) {
  autoSize_ = value;
  AdjustBounds();
}

void TLabel::SetWordWrap(bool value) {
  wordWrap_ = value;
  Text(Widget())->setWordWrap(value);
  AdjustBounds();
}

void TLabel::SetAlignment(TAlignment value) {
  alignment_ = value;
  Text(Widget())->setAlignment(Qt::Alignment(TextFlags()));
}

void TLabel::SetLayout(TTextLayout value) {
  layout_ = value;
  Text(Widget())->setAlignment(Qt::Alignment(TextFlags()));
}

void TLabel::SetShowAccelChar(bool value) {
  showAccelChar_ = value;
  UpdateText();
}

void TLabel::SetFocusControl(TWinControl* control) {
  if (focusControl_) RemoveFreeNotification(focusControl_);
  focusControl_ = control;
  if (control) FreeNotification(control);
  UpdateText();
}

void TLabel::Notification(TComponent* component, TOperation operation) {
  TControl::Notification(component, operation);
  if (operation == opRemove && component == focusControl_) {
    focusControl_ = nullptr;
    UpdateText();
  }
}

void TLabel::SetBounds(int left, int top, int width, int height) {
  TControl::SetBounds(left, top, width, height);
  AdjustBounds();
}

void TLabel::TextChanged() { UpdateText(); }

void TLabel::FontChanged() { AdjustBounds(); }

// With a focus control Qt shows and answers the accelerator itself; without one the "&"s go.
void TLabel::UpdateText() {
  QLabel* label = Text(Widget());
  bool buddy = showAccelChar_ && focusControl_;
  label->setBuddy(buddy ? focusControl_->Widget() : nullptr);
  AnsiString caption = GetCaption();
  if (showAccelChar_ && !buddy) caption = WithoutAccelerators(caption);
  label->setText(ToQString(caption));
  AdjustBounds();
}

// Measures the text as the widget draws it; an empty caption keeps the height of a line.
void TLabel::AdjustBounds() {
  if (!autoSize_) return;
  QFontMetrics metrics(Widget()->font());
  QString text = Text(Widget())->text();
  if (text.isEmpty()) text = QStringLiteral(" ");
  int mnemonic = Text(Widget())->buddy() ? Qt::TextShowMnemonic : 0;
  int flags = Qt::AlignLeft | Qt::AlignTop | mnemonic;
  if (wordWrap_) {
    QRect area(0, 0, std::max(1, width_), kLargeHeight);
    int height = metrics.boundingRect(area, flags | Qt::TextWordWrap, text).height();
    TControl::SetBounds(left_, top_, width_, height);
  } else {
    QSize size = metrics.size(mnemonic, text);
    TControl::SetBounds(left_, top_, size.width(), size.height());
  }
}
