// A control with a window of its own: it holds other controls (placed on it, freed with it,
// aligned inside it), takes the focus in tab order, and gets the keyboard as the class library
// delivers it: KeyDown, KeyPress and KeyUp with virtual-key codes, after the form has taken the
// dialog keys the control does not want (Tab, Enter, Esc, arrows).
#pragma once

#include <vector>

#include "platform/controls/control.h"

class TWinControl;
using HWND = TWinControl*;

class TWinControl : public TControl {
 public:
  ~TWinControl() override;

  int GetControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* GetControl(int index) const { return controls_.at(index); }
  bool ContainsControl(const TControl* control) const;

  // The window handle is the control itself.
  HWND GetHandle() { return this; }
  void Invalidate() override;

  // Visible and enabled up to its form (which need not be showing).
  bool CanFocus() const;
  bool Focused() const;
  // Raises EInvalidOperation when the control cannot take the focus or its form is hidden.
  void SetFocus();
  // The place among the parent's focusable children; setting it moves the others along.
  int GetTabOrder() const;
  void SetTabOrder(int value);
  bool GetTabStop() const { return tabStop_; }
  void SetTabStop(bool value) { tabStop_ = value; }
  // Every control inside this one in tab order, depth first.
  void GetTabOrderList(std::vector<TWinControl*>& list) const;
  // The control after (or before) `current` that can take the focus; with checkTabStop only
  // those with TabStop, with checkParent only direct children.
  TWinControl* FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                               bool checkParent) const;
  void SelectNext(TWinControl* current, bool goForward, bool checkTabStop);

  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;

 protected:
  using TControl::TControl;
  void FontChanged() override;
  void ColorChanged() override;
  void Resize() override;

  // The keyboard messages. The base WMKeyDown, WMChar and WMKeyUp run the events (through the
  // form first when it has KeyPreview) and hand what is left to the platform control.
  virtual void WMKeyDown(TWMKeyDown& Message);
  virtual void WMKeyUp(TWMKeyUp& Message);
  virtual void WMChar(TWMChar& Message);
  // Which dialog keys the control takes itself (DLGC_ flags).
  virtual void WMGetDlgCode(TWMGetDlgCode& Message);
  virtual void CMWantSpecialKey(TCMWantSpecialKey& Message);
  // A dialog key no focused control took; true when used. The base hands it to each child.
  virtual bool CMDialogKey(WORD Key, TShiftState Shift);
  // A character typed with Alt, or one the focused control does not take as text, offered by
  // the form as an accelerator; true when used. The base hands it to each child.
  virtual bool CMDialogChar(char Key, TShiftState Shift);
  // Focus arriving and leaving; the base lets the platform control know and, on arrival,
  // tells the form, which runs DoExit and DoEnter.
  virtual void WMSetFocus();
  virtual void WMKillFocus();
  virtual void DoEnter();
  virtual void DoExit();
  // The form's focused control is now Focused (nullptr for none); the base hands it to each
  // child. Buttons show by it which one Return presses.
  virtual void CMFocusChanged(TWinControl* Focused);
  virtual void KeyDown(WORD& Key, TShiftState Shift);
  virtual void KeyUp(WORD& Key, TShiftState Shift);
  virtual void KeyPress(char& Key);
  // True when a handler stopped the key.
  bool DoKeyDown(TWMKey& Message);
  bool DoKeyUp(TWMKey& Message);
  bool DoKeyPress(TWMKey& Message);
  // What the platform control does with a key message that no handler stopped.
  virtual void DefaultKeyHandler(TWMKey& Message);
  // Controls that type text (edits) get characters from WM_CHAR; the others act on key-down.
  virtual bool TakesCharacters() const { return false; }

  // The widget the children's widgets go into.
  virtual QWidget* ClientWidget() const { return Widget(); }
  virtual void ControlAdded(TControl* control);
  virtual void ControlRemoved(TControl* control);
  // The part of the client area that aligned children share.
  virtual void AlignArea(int& left, int& top, int& width, int& height) const;
  // Places the aligned children again.
  void Realign();

 private:
  friend class TControl;
  friend class ControlEvents;
  friend struct OleDropWindow;  // drops land on the client widget
  friend class TForm;

  // A key-down as the message loop runs it: a dialog key the control does not want goes to
  // the form; otherwise WM_KEYDOWN, then a WM_CHAR for each character the key types.
  void ProcessKeyDown(WORD key, int keyData, const AnsiString& chars);
  void ProcessKeyUp(WORD key, int keyData);
  void ProcessChar(char c, int keyData);
  bool IsDialogKey(WORD key, int keyData);
  bool IsDialogChar(char c, int keyData);
  void AlignControls();

  std::vector<TControl*> controls_;
  std::vector<TWinControl*> tabList_;
  bool tabStop_ = false;
  bool aligning_ = false;
};

// Posts WM_KEYDOWN, WM_KEYUP or WM_CHAR (wParam the key or character, lParam the key data) to
// a control; it arrives through the message loop as a typed key would. False for other
// messages or no control.
bool PostMessage(HWND window, UINT Msg, WPARAM wParam, LPARAM lParam);
