// TExtInplaceEdit: the grid's text editor over a cell, for plain text and the typed text
// editor types. It filters typed and pasted characters by the grid's current editor type,
// keeps the length limit, validates the text on the keys that leave the cell, completes typed
// text from the grid's lookup list and takes the cell's look and vertical alignment.
#pragma once

#include "platform/grids/inplace_edit.h"

class TExtStringGrid;

// A "." typed on the numeric keypad (key data bit 22) is the locale's decimal separator when
// the grid's ExcelStyleDecimalSeparator asks so.
char KeypadDecimal(char Key, int KeyData, bool ExcelStyle);

class TExtInplaceEdit : public TInplaceEdit {
 public:
  // Multi-line with the grid's WordWrap (see MultiLineEditor).
  TExtInplaceEdit(TExtStringGrid* AGrid, bool MultiLine);

  // The most characters; 0 takes the grid's MaxEditLength when the edit is filled.
  int LengthLimit = 0;
  // Right-aligned text.
  bool GetVAlign() const { return vAlign_; }
  void SetVAlign(bool Value);
  // Copied from the grid at every filling; the grid gives a wrapping cell a multi-line editor.
  bool WordWrap = false;

 protected:
  void UpdateContents() override;
  void BoundsChanged() override;
  void WMKeyDown(TWMKeyDown& Message) override;
  void WMKeyUp(TWMKeyUp& Message) override;
  void WMChar(TWMChar& Message) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void KeyUp(WORD& Key, TShiftState Shift) override;
  void WMCopy() override;
  void WMCut() override;
  void WMPaste() override;
  void WMSetFocus() override;
  void DoExit() override;
  void WMLButtonDblClk(TWMMouse& Message) override;

 private:
  TExtStringGrid* grid_;
  bool vAlign_ = false;
  bool completionArmed_ = true;
  bool returnRefused_ = false;

  // Validates the text; refused, the cell's current text comes back with the caret at its end.
  bool Validated();
  AnsiString CellText() const;
  void Complete();
  void WidenColumn();
  void Walk(bool Forward);
  bool TakesChar(char& Key);
  // Up or Down that moves the caret within a multi-line text instead of leaving the cell.
  bool StaysInText(WORD Key) const;
  void AdvanceWhenFilled();
};
