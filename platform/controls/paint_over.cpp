#include "platform/controls/paint_over.h"

#include <QEvent>
#include <QPointer>

#include "platform/controls/control.h"
#include "platform/controls/qt/qt_painted_widget.h"

// Keeps the overlay covering the control and above the widgets inside it.
class OverlayTracker : public QObject {
 public:
  OverlayTracker(QWidget* control, QWidget* overlay) : control_(control), overlay_(overlay) {
    control->installEventFilter(this);
    Follow();
  }
  ~OverlayTracker() override {
    if (control_) control_->removeEventFilter(this);
  }
  void Follow() {
    if (!overlay_) return;
    overlay_->setGeometry(control_->rect());
    overlay_->raise();
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Resize || event->type() == QEvent::ChildAdded) Follow();
    return false;
  }

 private:
  QPointer<QWidget> control_;
  QPointer<QWidget> overlay_;
};

TPaintOver::TPaintOver(TControl* control, std::function<void(TCanvas*)> paint)
    : canvas_(std::make_unique<TCanvas>()), widget_(new PaintedWidget) {
  widget_->setParent(control->Widget());
  widget_->setAttribute(Qt::WA_TransparentForMouseEvents);
  widget_->setFocusPolicy(Qt::NoFocus);
  widget_->SetPainter(control, canvas_.get(),
                      [this, paint = std::move(paint)] { paint(canvas_.get()); });
  widget_->show();
  tracker_ = std::make_unique<OverlayTracker>(control->Widget(), widget_);
}

// The control's widget may already be gone with its control; the tracker knows.
TPaintOver::~TPaintOver() {
  tracker_.reset();
  widget_->SetPainter(nullptr, nullptr, nullptr);
}

void TPaintOver::Invalidate() { widget_->update(); }
