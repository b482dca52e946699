#include "platform/forms.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QWidget>
#include <algorithm>

#include "platform/application.h"
#include "platform/qt_text.h"

namespace {
// The frame of a classic sizeable window: 4-pixel borders and a 19-pixel caption bar.
constexpr int kFrameWidth = 8;
constexpr int kFrameHeight = 27;
}  // namespace

// The top-level widget: the frame's close button and the user's moving and sizing reach the form.
class TForm::Window : public QWidget {
 public:
  explicit Window(TForm* form) : form_(form) {}
  void Detach() { form_ = nullptr; }

 protected:
  void closeEvent(QCloseEvent* event) override {
    event->ignore();  // the form decides, and hides itself rather than closing
    if (form_) Application->HandleEvent([this] { form_->Close(); });
  }
  void resizeEvent(QResizeEvent* event) override {
    if (form_) {
      form_->width_ = width() + kFrameWidth;
      form_->height_ = height() + kFrameHeight;
    }
    QWidget::resizeEvent(event);
  }
  void moveEvent(QMoveEvent* event) override {
    if (form_) {
      form_->left_ = x();
      form_->top_ = y();
    }
    QWidget::moveEvent(event);
  }

 private:
  TForm* form_;
};

TForm::TForm(TComponent* AOwner) : TWinControl(AOwner, new Window(this)) {
  SetParentFont(false);
  SetVisible(false);
}

TForm::~TForm() {
  // The widget outlives this part of the form; its events must no longer reach it.
  static_cast<Window*>(Widget())->Detach();
  Widget()->hide();
}

int TForm::GetClientWidth() const { return width_ - kFrameWidth; }

int TForm::GetClientHeight() const { return height_ - kFrameHeight; }

void TForm::UpdateWidgetGeometry() {
  Widget()->move(left_, top_);
  Widget()->resize(std::max(0, GetClientWidth()), std::max(0, GetClientHeight()));
}

void TForm::TextChanged() { Widget()->setWindowTitle(ToQString(GetCaption())); }

void TForm::VisibleChanged() {
  if (!GetVisible()) {
    Widget()->hide();
    return;
  }
  if (OnShow) OnShow(this);
  Widget()->show();
  Widget()->activateWindow();
  if (OnActivate) OnActivate(this);
}

int TForm::ShowModal() {
  if (GetVisible() || modal_) throw EInvalidOperation("Cannot make a visible window modal");
  // Undoes the modal state however the showing ends, an exception from a handler included.
  struct ModalState {
    TForm* form;
    explicit ModalState(TForm* f) : form(f) {
      form->modal_ = true;
      form->Widget()->setWindowModality(Qt::ApplicationModal);
    }
    ~ModalState() {
      form->Hide();
      form->Widget()->setWindowModality(Qt::NonModal);
      form->modal_ = false;
    }
  } state(this);
  ModalResult = mrNone;
  Show();
  RunModalLoop();
  return ModalResult;
}

void TForm::RunModalLoop() {
  for (;;) {
    while (ModalResult == mrNone) {
      // A form hidden behind the loop's back, or a program that ends, cancels the showing.
      if (Application->Terminated() || !GetVisible()) {
        ModalResult = mrCancel;
        return;
      }
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    if (DoClose() != caNone) return;
    ModalResult = mrNone;
  }
}

TCloseAction TForm::DoClose() {
  TCloseAction action = caHide;
  if (OnClose) OnClose(this, action);
  return action;
}

void TForm::Close() {
  if (modal_) {
    ModalResult = mrCancel;
    return;
  }
  if (DoClose() == caNone) return;
  Hide();
  if (Application->GetMainForm() == this) Application->Terminate();
}

TForm* GetParentForm(TControl* control) {
  while (control && control->GetParent()) control = control->GetParent();
  return dynamic_cast<TForm*>(control);
}
