// Edit controls. TCustomEdit is what single- and multi-line edits share: the text, the
// selection, the length limit, read-only and modified, and the clipboard. Every change the
// user makes passes through a handler a derived class can refuse first: each key (WMKeyDown),
// each character, typed or from an input method (WMChar), and cut, copy, paste, delete and undo
// whether from the keyboard or the context menu (WMCut, WMCopy, WMPaste, WMClear, WMUndo).
// The edit takes no dropped text, as the Windows edit control takes none.
#pragma once

#include <memory>

#include "platform/controls/wincontrol.h"

class EditBox;
class TCanvas;
class QPainter;

// Styles of an edit's window (the alignment ones take effect).
enum : unsigned { ES_LEFT = 0x0000, ES_CENTER = 0x0001, ES_RIGHT = 0x0002, ES_MULTILINE = 0x0004,
                  ES_PASSWORD = 0x0020, ES_AUTOHSCROLL = 0x0080 };

// What a window is created with: its edit styles.
struct TCreateParams {
  unsigned Style = 0;
};

class TCustomEdit : public TWinControl {
 public:
  explicit TCustomEdit(TComponent* AOwner);
  ~TCustomEdit() override;

  // Counted from 0 in the window text; without a selection SelStart is the caret.
  int GetSelStart() const;
  void SetSelStart(int value);  // moves the caret there, nothing selected
  int GetSelLength() const;
  // Selects from SelStart on; a negative length selects backwards from SelStart, with the
  // caret before the selection, as EM_SETSEL does with the anchor after the caret.
  void SetSelLength(int value);
  AnsiString GetSelText() const;
  void SetSelText(const AnsiString& value);
  void SelectAll();
  void ClearSelection() { WMClear(); }
  void Clear() { SetText(""); }

  void CopyToClipboard() { WMCopy(); }
  void CutToClipboard() { WMCut(); }
  void PasteFromClipboard() { WMPaste(); }
  void Undo() { WMUndo(); }

  // The most characters the control takes; 0 for no limit.
  int GetMaxLength() const { return maxLength_; }
  void SetMaxLength(int value);
  bool GetReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value);
  // Set by typing and pasting, cleared by setting the text.
  bool GetModified() const;
  void SetModified(bool value);
  // Shown in place of each character; 0 shows the text.
  char GetPasswordChar() const { return passwordChar_; }
  void SetPasswordChar(char value);
  // Select all when the focus arrives by keyboard.
  bool AutoSelect = true;

  // bsSingle draws the sunken frame, bsNone none.
  TBorderStyle GetBorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle value);
  // The rectangle the text keeps to, in client coordinates (EM_GETRECT, EM_SETRECT).
  TRect GetEditRect() const { return editRect_; }
  void SetEditRect(const TRect& rect);
  // The top-left corner of a character of the window text in client pixels (EM_POSFROMCHAR);
  // the text's length gives the place after its last character, and (-1, -1) lies past it.
  TPoint PosFromChar(int index) const;
  // Builds the window anew from CreateParams, then runs CreateWnd.
  void RecreateWnd();

  TNotifyEvent OnChange;

 protected:
  // For TMemo: an edit standing on another box.
  TCustomEdit(TComponent* AOwner, EditBox* box);
  EditBox& Box() const { return *box_; }

  // Every change of the text, the user's and the program's; fires OnChange.
  virtual void Change();
  virtual void WMCopy();
  virtual void WMCut();
  virtual void WMPaste();  // the clipboard's text up to its first line end
  virtual void WMClear();
  virtual void WMUndo();

  void ColorChanged() override;
  AnsiString RealGetText() const override;
  void RealSetText(const AnsiString& value) override;
  bool TakesCharacters() const override { return true; }
  void WMGetDlgCode(TWMGetDlgCode& Message) override;
  void DefaultKeyHandler(TWMKey& Message) override;
  void DoEnter() override;
  void WMContextMenu(int X, int Y) override;
  // Whether a paste keeps only the first line of the clipboard's text.
  virtual bool SingleLine() const { return true; }

  // The styles the window is built with; CreateWnd runs once it stands, first when the
  // control gets a parent.
  virtual void CreateParams(TCreateParams& Params);
  virtual void CreateWnd() {}
  void VisibleChanged() override;
  // After the platform edit painted itself: a canvas over the whole control, with its font.
  virtual void WMPaint(TCanvas& /*Canvas*/) {}
  // No background of its own: the parent shows behind the text.
  void SetTransparentBackground(bool value);

 private:
  void PaintOver(QPainter& painter);

  std::unique_ptr<EditBox> box_;
  std::unique_ptr<TCanvas> canvas_;
  TBorderStyle borderStyle_ = bsSingle;
  TRect editRect_;
  bool created_ = false;
  bool transparent_ = false;
  int maxLength_ = 0;
  bool readOnly_ = false;
  char passwordChar_ = 0;
};

class TEdit : public TCustomEdit {
 public:
  explicit TEdit(TComponent* AOwner);
};
