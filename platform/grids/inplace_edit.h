// TInplaceEdit: the edit a grid places over its current cell. The grid creates it through
// CreateEditor, owns it, shows and hides it. It loads the cell's edit text and edit mask
// (UpdateContents), takes typing as the masked edit does,
// hands every change of its text back to the grid (the grid's SetEditText), places itself over
// the cell (BoundsChanged), and passes the keys that navigate, Enter and Escape to the grid.
#pragma once

#include "platform/stdctrls/maskedit.h"
#include "platform/graphics/geometry.h"

class TCustomGrid;

class TInplaceEdit : public TCustomMaskEdit {
 public:
  // A multi-line editor wraps its text and keeps line breaks: Ctrl+Return types one, Up and
  // Down move within the text until its first or last line, Return still ends the edit.
  explicit TInplaceEdit(TComponent* AOwner, bool MultiLine = false);
  ~TInplaceEdit() override;

  bool MultiLine() const { return multiLine_; }
  // The line the caret stands on, and whether it is the text's first or last.
  int CaretLine() const;
  bool CaretOnLastLine() const;

  TCustomGrid* GetGrid() const { return grid_; }
  using TCustomMaskEdit::GetEditMask;
  using TCustomMaskEdit::SetEditMask;
  // Back to the text the cell had when the edit began, handed to the grid as any change.
  void Revert();
  // The caret after the text, nothing selected.
  void Deselect();

 protected:
  // Loads text, length limit and mask of the grid's current cell.
  virtual void UpdateContents();
  // The edit has been placed over a cell.
  virtual void BoundsChanged() {}

  void Change() override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void KeyUp(WORD& Key, TShiftState Shift) override;
  void WMGetDlgCode(TWMGetDlgCode& Message) override;
  void DoExit() override;
  bool SingleLine() const override { return !multiLine_; }

 private:
  friend class TCustomGrid;
  TCustomGrid* grid_ = nullptr;
  AnsiString original_;
  bool loading_ = false;
  bool multiLine_ = false;
  bool lineBreakTyped_ = false;  // the character of a Ctrl+Return is no Return

  // Up and Down inside a multi-line text, and Ctrl+Return's line break; true when taken.
  bool MultiLineKey(WORD Key, TShiftState Shift);
  // Over the cell's rectangle, shown; hidden when the cell is not shown.
  void Move(const TRect& cell);
  // As if the character were typed: through KeyPress and the edit's own typing.
  void TypeChar(char c);
};
