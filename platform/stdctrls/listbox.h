// A list box: a list of texts, one of which may be chosen. The program's changes of Items or
// ItemIndex fire no events. With lbOwnerDrawFixed every row is ItemHeight pixels high;
// otherwise the font sets the height. A sorted list box puts each entry where it belongs,
// without case, and keeps equal entries. The client area lies inside the frame.
#pragma once

#include <memory>

#include "platform/controls/wincontrol.h"
#include "platform/core/strings.h"

enum TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable };

class TListBox : public TWinControl {
 public:
  explicit TListBox(TComponent* AOwner);
  ~TListBox() override;

  TStrings* GetItems() const { return items_.get(); }
  void SetItems(const TStrings& items) { items_->Assign(items); }
  // The chosen entry, -1 for none.
  int GetItemIndex() const;
  void SetItemIndex(int value);
  bool GetSorted() const { return items_->GetSorted(); }
  void SetSorted(bool value) { items_->SetSorted(value); }
  TListBoxStyle GetStyle() const { return style_; }
  void SetStyle(TListBoxStyle value);
  int GetItemHeight() const { return itemHeight_; }
  void SetItemHeight(int value);
  // Without a sunken frame: a flat line (Ctl3D off).
  void SetFlat(bool value);
  // The row's rectangle in client coordinates.
  TRect ItemRect(int index) const;
  int GetTopIndex() const;
  void Clear() { items_->Clear(); }

 protected:
  void ColorChanged() override;
  QWidget* ClientWidget() const override;
  void WMGetDlgCode(TWMGetDlgCode& Message) override;

 private:
  std::unique_ptr<TStringList> items_;
  TListBoxStyle style_ = lbStandard;
  int itemHeight_ = 13;
  void ShowItems();
};
