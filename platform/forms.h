// A form: a top-level window with its controls, shown beside the others or modally.
// Width and Height include the window frame, as the designed sizes do; the client area,
// where the controls lie, is smaller by the frame of a classic sizeable window.
#pragma once

#include <functional>

#include "platform/dialogs.h"
#include "platform/wincontrol.h"

enum TCloseAction { caNone, caHide };
using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;

class TForm : public TWinControl {
 public:
  explicit TForm(TComponent* AOwner);
  ~TForm() override;

  int GetClientWidth() const override;
  int GetClientHeight() const override;

  // Shows the form and runs a message loop until ModalResult is set or the form closes;
  // returns the modal result (mrCancel when closed from its frame).
  int ShowModal();
  // Asks OnClose; then hides the form, or ends the modal loop, or ends the program when this
  // is the main form.
  void Close();
  bool IsModal() const { return modal_; }

  // Setting it while the form is modal closes the form with that result.
  int ModalResult = mrNone;

  TNotifyEvent OnShow;
  TNotifyEvent OnActivate;  // once per showing, right after the form appears
  TCloseEvent OnClose;

 protected:
  void TextChanged() override;
  void VisibleChanged() override;
  void UpdateWidgetGeometry() override;

 private:
  class Window;
  TCloseAction DoClose();
  void RunModalLoop();

  bool modal_ = false;
};

// The form a control lies on, or nullptr.
TForm* GetParentForm(TControl* control);
