// The filter drop-down of a column grid's header: its look (TFilterDropDown) and the list box
// that shows a column's filter entries (TDropList), which reports the entry chosen by a mouse
// release or Enter.
#pragma once

#include <functional>
#include <memory>

#include "platform/graphics/color.h"
#include "platform/graphics/font.h"
#include "platform/stdctrls/listbox.h"

class TFilterDropDown {
 public:
  int Height = 200;
  int Width = 200;
  bool ColumnWidth = false;  // as wide as the column
  TColor Color = clWindow;
  TFont* GetFont() const { return font_.get(); }
  void SetFont(const TFont* Value) { font_->Assign(*Value); }

 private:
  std::unique_ptr<TFont> font_ = std::make_unique<TFont>();
};

class TDropList : public TListBox {
 public:
  using TListBox::TListBox;
  std::function<void(TObject* Sender, int ItemIndex)> OnSelect;

 protected:
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void WMGetDlgCode(TWMGetDlgCode& Message) override;

 private:
  void Select();
};
