// A form: a top-level window with its controls, shown beside the others or modally.
// Width and Height include the window frame, as the designed sizes do; the client area,
// where the controls lie, is smaller by the frame of a classic window of its border style.
// The form keeps the focused control, moves the focus with Tab and the arrows, and presses
// its default button on Enter and its cancel button on Esc.
#pragma once

#include <functional>

#include "platform/controls/dialogs.h"
#include "platform/controls/wincontrol.h"

enum TCloseAction { caNone, caHide, caFree, caMinimize };
using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

enum TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter,
                 poDesktopCenter, poMainFormCenter, poOwnerFormCenter };
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = Set<TBorderIcon>;

class TForm : public TWinControl {
 public:
  explicit TForm(TComponent* AOwner);
  ~TForm() override;

  // Fires OnCreate; CreateForm calls it once the form's constructor has built it.
  void AfterConstruction();

  int GetClientWidth() const override;
  int GetClientHeight() const override;
  // Where the form appears each time it is shown.
  TPosition GetPosition() const { return position_; }
  void SetPosition(TPosition value) { position_ = value; }
  // Keeps Width and Height; the client area follows the new frame.
  TFormBorderStyle GetBorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle value);
  TBorderIcons GetBorderIcons() const { return borderIcons_; }
  void SetBorderIcons(TBorderIcons value);

  // The control with the focus, or the one to get it when the form shows.
  TWinControl* GetActiveControl() const { return activeControl_; }
  void SetActiveControl(TWinControl* control);
  // The form's OnKeyDown, OnKeyPress and OnKeyUp see the keys of its controls first.
  bool KeyPreview = false;
  // For a form without a cancel button: an Esc that no control takes closes the form, as its
  // frame's close button does.
  bool EscapeCloses = false;

  // Shows the form and runs a message loop until ModalResult is set or the form closes;
  // returns the modal result (mrCancel when closed from its frame).
  int ShowModal();
  // Asks OnCloseQuery and OnClose; then hides the form, frees it later, or ends the modal
  // loop, or ends the program when this is the main form.
  void Close();
  bool CloseQuery();
  // Frees the form once the events running now are over.
  void Release();
  bool IsModal() const { return modal_; }

  // Setting it while the form is modal closes the form with that result.
  int ModalResult = mrNone;

  TNotifyEvent OnCreate;
  TNotifyEvent OnShow;
  TNotifyEvent OnActivate;  // once per showing, right after the form appears
  TNotifyEvent OnDeactivate;  // when another window takes over, or the form hides
  TCloseQueryEvent OnCloseQuery;
  TCloseEvent OnClose;

 protected:
  void TextChanged() override;
  void VisibleChanged() override;
  void UpdateWidgetGeometry() override;
  bool CMDialogKey(WORD Key, TShiftState Shift) override;

 private:
  friend class TWinControl;
  class Window;

  // The focused control changed; runs DoExit and DoEnter along the way.
  void SetFocusedControl(TWinControl* control);
  // A control leaves the form: it no longer holds the focus.
  void ControlGone(TControl* control);
  void FocusFirst();
  void ApplyPosition();
  void ApplyWindowFlags();
  void Deactivated();
  TCloseAction DoClose();
  void RunModalLoop();
  int FrameWidth() const;
  int FrameHeight() const;

  bool modal_ = false;
  bool active_ = false;
  TPosition position_ = poDesigned;
  TFormBorderStyle borderStyle_ = bsSizeable;
  TBorderIcons borderIcons_{biSystemMenu, biMinimize, biMaximize};
  TWinControl* activeControl_ = nullptr;
  TWinControl* focusedControl_ = nullptr;  // the one that had DoEnter last
};

// The form a control lies on, or nullptr.
TForm* GetParentForm(TControl* control);
