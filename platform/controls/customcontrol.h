// Controls that paint themselves on their Canvas in Paint: TCustomControl with a window of its
// own (it can take the focus and hold other controls), TGraphicControl without (it shows on its
// parent). The canvas starts each painting with the control's font and, as its brush, its
// colour; it paints only while Paint runs.
#pragma once

#include <memory>

#include "platform/graphics/canvas.h"
#include "platform/controls/wincontrol.h"

class PaintedWidget;

class TCustomControl : public TWinControl {
 public:
  explicit TCustomControl(TComponent* AOwner);
  ~TCustomControl() override;

  TCanvas* GetCanvas() const { return canvas_.get(); }

 protected:
  // A control standing on `widget` that paints on `surface`, a widget inside it (a scroll
  // area's viewport).
  TCustomControl(TComponent* AOwner, QWidget* widget, PaintedWidget* surface);
  virtual void Paint() {}

 private:
  std::unique_ptr<TCanvas> canvas_;
  PaintedWidget* surface_;
};

class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(TComponent* AOwner);
  ~TGraphicControl() override;

  TCanvas* GetCanvas() const { return canvas_.get(); }

 protected:
  virtual void Paint() {}
  // Its parent shows through where Paint leaves the canvas alone.
  void ColorChanged() override {}

 private:
  std::unique_ptr<TCanvas> canvas_;
};
