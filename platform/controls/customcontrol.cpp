#include "platform/controls/customcontrol.h"

#include "platform/controls/qt/qt_painted_widget.h"

namespace {
PaintedWidget* Painted(QWidget* widget) { return static_cast<PaintedWidget*>(widget); }
}  // namespace

TCustomControl::TCustomControl(TComponent* AOwner) : TCustomControl(AOwner, nullptr, nullptr) {}

TCustomControl::TCustomControl(TComponent* AOwner, QWidget* widget, PaintedWidget* surface)
    : TWinControl(AOwner, widget ? widget : new PaintedWidget),
      canvas_(std::make_unique<TCanvas>()),
      surface_(surface ? surface : Painted(Widget())) {
  surface_->SetPainter(this, canvas_.get(), [this] { Paint(); });
  ColorChanged();
}

// The widget stops painting before the canvas goes.
TCustomControl::~TCustomControl() { surface_->SetPainter(nullptr, nullptr, nullptr); }

TGraphicControl::TGraphicControl(TComponent* AOwner)
    : TControl(AOwner, new PaintedWidget), canvas_(std::make_unique<TCanvas>()) {
  Painted(Widget())->SetPainter(this, canvas_.get(), [this] { Paint(); });
}

TGraphicControl::~TGraphicControl() { Painted(Widget())->SetPainter(nullptr, nullptr, nullptr); }
