#include "platform/controls/forms.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "platform/controls/application.h"
#include "platform/core/qt/qt_text.h"

// The top-level widget: the frame's close button, the user's moving and sizing, and the
// window system's activation reach the form.
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
      int width = this->width() + form_->FrameWidth();
      int height = this->height() + form_->FrameHeight();
      if (width != form_->width_ || height != form_->height_) {
        form_->width_ = width;
        form_->height_ = height;
        Application->HandleEvent([this] { form_->Resize(); });
      }
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
  bool event(QEvent* event) override {
    // Styles draw the focus mark of buttons, boxes and tabs only in a window flagged as
    // steered by the keyboard. Qt sets the flag in its own Tab handling, which the form does
    // not use, and drops it when the window hides: every showing sets it, so the focused
    // control shows its mark however the focus came.
    if (event->type() == QEvent::Show) setAttribute(Qt::WA_KeyboardFocusChange);
    if (form_ && event->type() == QEvent::WindowActivate) form_->active_ = true;
    if (form_ && event->type() == QEvent::WindowDeactivate && form_->active_)
      Application->HandleEvent([this] { form_->Deactivated(); });
    return QWidget::event(event);
  }

 private:
  TForm* form_;
};

TForm::TForm(TComponent* AOwner) : TWinControl(AOwner, new Window(this)) {
  SetParentFont(false);
  SetColor(clBtnFace);
  SetVisible(false);
  ApplyWindowFlags();
}

TForm::~TForm() {
  // The widget outlives this part of the form; its events must no longer reach it.
  static_cast<Window*>(Widget())->Detach();
  Widget()->hide();
}

void TForm::AfterConstruction() {
  if (OnCreate) OnCreate(this);
}

// ---- Frame, flags and position ----

// Classic frames: a sizing border of 4 pixels or a fixed one of 3, and a caption bar of 19
// pixels (15 for tool windows).
int TForm::FrameWidth() const {
  switch (borderStyle_) {
    case bsNone: return 0;
    case bsSizeable: case bsSizeToolWin: return 8;
    default: return 6;
  }
}

int TForm::FrameHeight() const {
  switch (borderStyle_) {
    case bsNone: return 0;
    case bsSizeable: return 27;
    case bsSizeToolWin: return 23;
    case bsToolWindow: return 21;
    default: return 25;
  }
}

int TForm::GetClientWidth() const { return width_ - FrameWidth(); }

int TForm::GetClientHeight() const { return height_ - FrameHeight(); }

void TForm::SetBorderStyle(TFormBorderStyle value) {
  if (value == borderStyle_) return;
  borderStyle_ = value;
  ApplyWindowFlags();
  UpdateWidgetGeometry();
  Realign();
}

void TForm::SetBorderIcons(TBorderIcons value) {
  borderIcons_ = value;
  ApplyWindowFlags();
}

void TForm::ApplyWindowFlags() {
  Qt::WindowFlags buttons = Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  if (borderIcons_.Contains(biSystemMenu))
    buttons |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  Qt::WindowFlags flags;
  switch (borderStyle_) {
    case bsNone: flags = Qt::Window | Qt::FramelessWindowHint; break;
    case bsDialog: flags = Qt::Dialog | buttons; break;
    case bsToolWindow: case bsSizeToolWin: flags = Qt::Tool | buttons; break;
    default:
      flags = Qt::Window | buttons;
      if (borderIcons_.Contains(biMinimize)) flags |= Qt::WindowMinimizeButtonHint;
      if (borderIcons_.Contains(biMaximize) && borderStyle_ == bsSizeable)
        flags |= Qt::WindowMaximizeButtonHint;
  }
  bool shown = Widget()->isVisible();
  Widget()->setWindowFlags(flags);  // hides the window
  if (shown) Widget()->show();
}

void TForm::UpdateWidgetGeometry() {
  QSize size(std::max(0, GetClientWidth()), std::max(0, GetClientHeight()));
  bool sizeable = borderStyle_ == bsSizeable || borderStyle_ == bsSizeToolWin;
  if (sizeable) {
    Widget()->setMinimumSize(0, 0);
    Widget()->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    Widget()->resize(size);
  } else {
    Widget()->setFixedSize(size);
  }
  Widget()->move(left_, top_);
}

namespace {
QRect FormRect(TForm* form) {
  return form && form->GetVisible()
             ? QRect(form->GetLeft(), form->GetTop(), form->GetWidth(), form->GetHeight())
             : QRect();
}
}  // namespace

void TForm::ApplyPosition() {
  QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  QRect area;
  switch (position_) {
    case poScreenCenter: area = screen->geometry(); break;
    case poDesktopCenter: area = screen->virtualGeometry(); break;
    case poMainFormCenter: area = FormRect(Application->GetMainForm()); break;
    case poOwnerFormCenter: area = FormRect(dynamic_cast<TForm*>(GetOwner())); break;
    default: return;
  }
  if (area.isEmpty() || area == FormRect(this)) area = screen->geometry();
  SetBounds(area.x() + (area.width() - width_) / 2, area.y() + (area.height() - height_) / 2,
            width_, height_);
}

void TForm::TextChanged() { Widget()->setWindowTitle(ToQString(GetCaption())); }

// ---- Showing, activation and closing ----

void TForm::VisibleChanged() {
  if (!GetVisible()) {
    if (active_) Deactivated();
    Widget()->hide();
    return;
  }
  if (OnShow) OnShow(this);
  ApplyPosition();
  Widget()->show();
  Widget()->activateWindow();
  active_ = true;
  FocusFirst();
  if (OnActivate) OnActivate(this);
}

void TForm::Deactivated() {
  active_ = false;
  if (OnDeactivate) OnDeactivate(this);
}

int TForm::ShowModal() {
  if (GetVisible() || modal_) throw EInvalidOperation("Cannot make a visible window modal");
  // Undoes the modal state however the showing ends, an exception from a handler included.
  // The window that was active gets the activation back, as the class library gives it: the
  // window system need not (without a window manager nothing would be active, and no key
  // would reach a window).
  struct ModalState {
    TForm* form;
    QPointer<QWidget> active{QApplication::activeWindow()};
    explicit ModalState(TForm* f) : form(f) {
      form->modal_ = true;
      form->Widget()->setWindowModality(Qt::ApplicationModal);
    }
    ~ModalState() {
      form->Hide();
      form->Widget()->setWindowModality(Qt::NonModal);
      form->modal_ = false;
      if (active && active != form->Widget() && active->isVisible()) active->activateWindow();
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
    TCloseAction action = CloseQuery() ? DoClose() : caNone;
    if (action == caFree) Release();
    if (action != caNone) return;
    ModalResult = mrNone;
  }
}

bool TForm::CloseQuery() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(this, canClose);
  return canClose;
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
  if (!CloseQuery()) return;
  TCloseAction action = DoClose();
  if (action == caNone) return;
  if (Application->GetMainForm() == this) {
    Hide();
    Application->Terminate();
  } else if (action == caMinimize) {
    Widget()->showMinimized();
  } else {
    Hide();
    if (action == caFree) Release();
  }
}

void TForm::Release() {
  QPointer<QWidget> alive(Widget());
  QMetaObject::invokeMethod(
      QCoreApplication::instance(), [this, alive] { if (alive) delete this; },
      Qt::QueuedConnection);
}

// ---- Focus ----

void TForm::SetActiveControl(TWinControl* control) {
  if (control == this) control = nullptr;
  if (control && (GetParentForm(control) != this || !control->CanFocus()))
    throw EInvalidOperation("Cannot focus a disabled or invisible window");
  activeControl_ = control;
  if (!GetVisible()) return;
  if (!Widget()->isActiveWindow()) Widget()->activateWindow();
  if (control) control->Widget()->setFocus(Qt::OtherFocusReason);
  SetFocusedControl(control);
}

// As the focus moves from one control to another, the controls it leaves get DoExit from the
// inside out and those it enters get DoEnter from the outside in; the form gets neither.
void TForm::SetFocusedControl(TWinControl* control) {
  if (control == this) control = nullptr;
  TWinControl* old = focusedControl_;
  activeControl_ = control;
  if (control == old) return;
  focusedControl_ = control;
  TWinControl* common = old;
  while (common && common != this && !common->ContainsControl(control))
    common = common->GetParent();
  for (TWinControl* c = old; c && c != common && c != this; c = c->GetParent()) c->DoExit();
  std::vector<TWinControl*> entered;
  for (TWinControl* c = control; c && c != common && c != this; c = c->GetParent())
    entered.push_back(c);
  for (auto it = entered.rbegin(); it != entered.rend(); ++it) (*it)->DoEnter();
  CMFocusChanged(control);
}

void TForm::ControlGone(TControl* control) {
  auto* win = dynamic_cast<TWinControl*>(control);
  auto gone = [&](TWinControl* c) { return c && (c == control || (win && win->ContainsControl(c))); };
  if (gone(activeControl_)) activeControl_ = nullptr;
  if (gone(focusedControl_)) focusedControl_ = nullptr;
}

void TForm::FocusFirst() {
  TWinControl* target = activeControl_ && activeControl_->CanFocus()
                            ? activeControl_
                            : FindNextControl(nullptr, true, true, false);
  if (target) SetActiveControl(target);
}

bool TForm::CMDialogKey(WORD Key, TShiftState Shift) {
  if (!Shift.Contains(ssAlt)) {
    if (Key == VK_TAB && !Shift.Contains(ssCtrl)) {
      SelectNext(activeControl_, !Shift.Contains(ssShift), true);
      return true;
    }
    bool arrow = Key == VK_LEFT || Key == VK_RIGHT || Key == VK_UP || Key == VK_DOWN;
    if (arrow && activeControl_ && activeControl_->GetParent()) {
      activeControl_->GetParent()->SelectNext(activeControl_, Key == VK_RIGHT || Key == VK_DOWN,
                                              false);
      return true;
    }
  }
  if (TWinControl::CMDialogKey(Key, Shift)) return true;
  if (Key != VK_ESCAPE || !Shift.Empty() || !EscapeCloses) return false;
  Close();
  return true;
}

TForm* GetParentForm(TControl* control) {
  while (control && control->GetParent()) control = control->GetParent();
  return dynamic_cast<TForm*>(control);
}
