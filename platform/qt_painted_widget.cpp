#include "platform/qt_painted_widget.h"

#include <QPainter>

#include "platform/application.h"
#include "platform/control.h"
#include "platform/qt_canvas.h"

void PaintedWidget::SetPainter(TControl* control, TCanvas* canvas, std::function<void()> paint) {
  control_ = control;
  canvas_ = canvas;
  paint_ = std::move(paint);
}

void PaintedWidget::paintEvent(QPaintEvent*) {
  if (!canvas_ || !paint_) return;
  QPainter painter(this);
  CanvasPainterBinding binding(*canvas_, painter);
  canvas_->Font->Assign(*control_->GetFont());
  canvas_->Brush->SetColor(control_->GetColor());
  Application->HandleEvent(paint_);
}
