// The Qt widget under an edit control, seen as the Windows edit control it stands for.
// Private to platform/. Positions and texts count a line end as CR LF, as Windows does.
#pragma once

#include <QWidget>

#include <functional>

#include "platform/core/text.h"
#include "platform/graphics/geometry.h"
#include "platform/stdctrls/edit_mask.h"

class EditBox {
 public:
  virtual ~EditBox() = default;
  virtual QWidget* Widget() const = 0;
  virtual AnsiString Text() const = 0;
  virtual void SetText(const AnsiString& text) = 0;
  virtual int SelStart() const = 0;
  virtual int SelLength() const = 0;
  // Selects from start on; the caret stands at the end of the selection. A negative length
  // selects backwards: the anchor stays at start and the caret goes before the selection.
  virtual void Select(int start, int length) = 0;
  // Types text over the selection, as far as the length limit lets it.
  virtual void ReplaceSelection(const AnsiString& text) = 0;
  virtual bool Modified() const = 0;
  virtual void SetModified(bool modified) = 0;
  virtual void SetReadOnly(bool readOnly) = 0;
  virtual void SetMaxLength(int length) = 0;  // 0: no limit
  virtual void SetPasswordChar(char) {}  // 0 shows the text
  // Typing fills the mask's positions; an empty mask takes any text.
  virtual void SetMask(const TEditMask& /*mask*/) {}
  virtual void SetFrame(bool /*frame*/) {}
  // 0 left, 1 right, 2 centred.
  virtual void SetAlignment(int /*alignment*/) {}
  // Room kept free of text at each side of the box.
  virtual void SetTextMargins(int /*left*/, int /*top*/, int /*right*/, int /*bottom*/) {}
  // The top-left corner of a character in widget pixels, the length giving the place after
  // the last one; (-1, -1) past that.
  virtual TPoint PosFromChar(int) const { return TPoint(-1, -1); }
  // The character nearest a point of the widget (EM_CHARFROMPOS).
  virtual int CharFromPos(TPoint) const { return 0; }
  virtual bool CanUndo() const = 0;
  virtual void Undo() = 0;
};

// A single-line edit over QLineEdit; `changed` runs on every change of its text.
EditBox* NewLineEditBox(const std::function<void()>& changed);
// A multi-line edit over QPlainTextEdit.
EditBox* NewMemoBox(const std::function<void()>& changed);
// A multi-line edit over QTextEdit, whose text keeps character formats.
EditBox* NewRichBox(const std::function<void()>& changed);
