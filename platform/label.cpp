#include "platform/label.h"

#include <QFontMetrics>
#include <QLabel>
#include <algorithm>

#include "platform/qt_text.h"

namespace {
constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignTop;
constexpr int kLargeHeight = 1 << 20;

QLabel* Text(QWidget* widget) { return static_cast<QLabel*>(widget); }
}  // namespace

TLabel::TLabel(TComponent* AOwner) : TControl(AOwner, new QLabel) {
  Text(Widget())->setTextFormat(Qt::PlainText);
  Text(Widget())->setAlignment(Qt::Alignment(kTextFlags));
  TControl::SetBounds(0, 0, 65, 17);
  AdjustBounds();
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

void TLabel::SetBounds(int left, int top, int width, int height) {
  TControl::SetBounds(left, top, width, height);
  AdjustBounds();
}

void TLabel::TextChanged() {
  Text(Widget())->setText(ToQString(GetCaption()));
  AdjustBounds();
}

void TLabel::FontChanged() { AdjustBounds(); }

// Measures the text as the widget draws it; an empty caption keeps the height of a line.
void TLabel::AdjustBounds() {
  if (!autoSize_) return;
  QFontMetrics metrics(Widget()->font());
  QString text = GetCaption().empty() ? QStringLiteral(" ") : ToQString(GetCaption());
  if (wordWrap_) {
    QRect area(0, 0, std::max(1, width_), kLargeHeight);
    int height = metrics.boundingRect(area, kTextFlags | Qt::TextWordWrap, text).height();
    TControl::SetBounds(left_, top_, width_, height);
  } else {
    QSize size = metrics.size(0, text);
    TControl::SetBounds(left_, top_, size.width(), size.height());
  }
}
