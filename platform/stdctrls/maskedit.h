// The masked edit: with an EditMask the text has fixed positions, each taking the characters
// of its class (a character the position refuses beeps) or standing as a literal, and empty
// positions show the mask's blank. Text is the shown text with the blanks as spaces (and
// without the literals when the mask says so); without a mask it is a plain edit.
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
  // Raises EDBEditError when a position the mask requires is empty.
  virtual void ValidateEdit();

 protected:
  // Offered by the edits that publish it (TMaskEdit).
  AnsiString GetEditMask() const { return editMask_; }
  void SetEditMask(const AnsiString& value);  // keeps the Text

  AnsiString RealGetText() const override;
  void RealSetText(const AnsiString& value) override;
  void KeyPress(char& Key) override;

 private:
  AnsiString editMask_;
  TEditMask mask_;
};

class TMaskEdit : public TCustomMaskEdit {
 public:
  using TCustomMaskEdit::GetEditMask;
  using TCustomMaskEdit::SetEditMask;
  using TCustomMaskEdit::TCustomMaskEdit;
};
