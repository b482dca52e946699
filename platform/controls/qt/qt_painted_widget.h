// The widget of a control that paints itself: each paint event binds the control's canvas to
// the widget's painter and runs the control's Paint. Private to platform/.
#pragma once

#include <QWidget>

#include <functional>

class TCanvas;
class TControl;

class PaintedWidget : public QWidget {
 public:
  PaintedWidget() = default;
  // The canvas and the painting it runs; the canvas takes the control's font and colour first.
  void SetPainter(TControl* control, TCanvas* canvas, std::function<void()> paint);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TControl* control_ = nullptr;
  TCanvas* canvas_ = nullptr;
  std::function<void()> paint_;
};
