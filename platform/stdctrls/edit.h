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
  // bsSingle draws the sunken frame of an edit (2 pixels), bsNone none.
  TBorderStyle GetBorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle value);
  TAlignment GetAlignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  // The formatting rectangle: the part of the client area the text stands in (EM_GETRECT,
  // EM_SETRECT). It follows the client area until it is set. A single line keeps to the
  // client's middle; the lines of a multi-line edit start at the rectangle's top.
  TRect GetFormatRect() const;
  void SetFormatRect(const TRect& rect);
  // The formatting rectangle with its top and bottom too (EM_SETRECT of a single line): the
  // line stands in the middle of them. SetFormatRect keeps the line in the client's middle.
  void SetFormatRectVert(const TRect& rect);
  // The top-left corner of a character of the window text in client pixels (EM_POSFROMCHAR);
  // the text's length gives the place after its last character, and (-1, -1) lies past it.
  TPoint PosFromChar(int index) const;
  // The index of the character boundary nearest a client point (EM_CHARFROMPOS).
  int CharFromPos(const TPoint& point) const;

  // Select all when the focus arrives by keyboard.
  bool AutoSelect = true;

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
  void Resize() override;
  AnsiString RealGetText() const override;
  void RealSetText(const AnsiString& value) override;
  bool TakesCharacters() const override { return true; }
  void WMGetDlgCode(TWMGetDlgCode& Message) override;
  void DefaultKeyHandler(TWMKey& Message) override;
  void DoEnter() override;
  void WMContextMenu(int X, int Y) override;
  // Whether a paste keeps only the first line of the clipboard's text.
  virtual bool SingleLine() const { return true; }
  // No background of its own: the parent shows behind the text.
  void SetTransparentBackground(bool value);

 private:
  std::unique_ptr<EditBox> box_;
  int maxLength_ = 0;
  bool readOnly_ = false;
  char passwordChar_ = 0;
  TBorderStyle borderStyle_ = bsSingle;
  TAlignment alignment_ = taLeftJustify;
  bool formatRectSet_ = false;
  bool formatRectVert_ = false;
  TRect formatRect_;
  bool transparent_ = false;
};

class TEdit : public TCustomEdit {
 public:
  explicit TEdit(TComponent* AOwner);
};
