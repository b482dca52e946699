#include "platform/controls/qt/qt_painted_widget.h"

#include <QPainter>

#include "platform/controls/application.h"
#include "platform/controls/control.h"
#include "platform/graphics/qt/qt_canvas.h"

void PaintedWidget::SetPainter(TControl* control, TCanvas* canvas, std::function<void()> paint) {
  control_ = control;
  canvas_ = canvas;
  paint_ = std::move(paint);
}

void PaintedWidget::paintEvent(QPaintEvent*) {
  if (!canvas_ || !paint_) return;
  QPainter painter(this);
  CanvasPainterBinding binding(*canvas_, painter);
  // Each painting starts with a fresh mapping, as each paint message brings a fresh DC.
  const TDeviceCaps& caps = canvas_->GetDeviceCaps();
  canvas_->Mapping() = TMapping(caps.dpiX, caps.dpiY);
  canvas_->Font->Assign(*control_->GetFont());
  canvas_->Brush->SetColor(control_->GetColor());
  Application->HandleEvent(paint_);
}
