// The masked edit: with an EditMask the text has fixed positions, each taking the characters
// of its class (a character the position refuses beeps) or standing as a literal, and empty
// positions show the mask's blank. Text is the shown text with the blanks as spaces (and
// without the literals when the mask says so); without a mask it is a plain edit. A changed
// text that leaves a required position empty is refused when the focus leaves: the focus
// comes back and the error shows. Esc puts back the text the edit had at focus entry.
#pragma once

#include "platform/stdctrls/edit.h"
#include "platform/stdctrls/edit_mask.h"

class EDBEditError : public Exception {
 public:
  using Exception::Exception;
};

class TCustomMaskEdit : public TCustomEdit {
 public:
  explicit TCustomMaskEdit(TComponent* AOwner);

  bool IsMasked() const { return !mask_.Empty(); }
  // The text as shown, literals and blanks included.
  AnsiString GetEditText() const;
  void SetEditText(const AnsiString& value);
  // After a change, raises EDBEditError when a position the mask requires is empty, with the
  // focus brought back (where the form shows) and the caret at the gap.
  virtual void ValidateEdit();
  // The text of focus entry back, when it was changed.
  void Reset();

 protected:
  TCustomMaskEdit(TComponent* AOwner, EditBox* box);  // over a box of its own (no mask)
  // Offered by the edits that publish it (TMaskEdit).
  AnsiString GetEditMask() const { return editMask_; }
  void SetEditMask(const AnsiString& value);  // keeps the Text

  const TEditMask& Mask() const { return mask_; }

  AnsiString RealGetText() const override;
  void RealSetText(const AnsiString& value) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  // Esc stays with a changed masked edit, which resets.
  void CMWantSpecialKey(TCMWantSpecialKey& Message) override;
  void DoEnter() override;
  void DoExit() override;

 private:
  AnsiString editMask_;
  TEditMask mask_;
  AnsiString oldValue_;
  // The focus came back to show a refused text: the focus-entry text stays.
  bool reEnter_ = false;
};

class TMaskEdit : public TCustomMaskEdit {
 public:
  using TCustomMaskEdit::GetEditMask;
  using TCustomMaskEdit::SetEditMask;
  using TCustomMaskEdit::TCustomMaskEdit;
};
