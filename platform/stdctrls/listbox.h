// A list box: a column of entries to choose one from. With lbOwnerDrawFixed every row is
// ItemHeight pixels high; otherwise the font sets the height. A sorted list box puts each
// entry added where it belongs, without case.
#pragma once

#include <memory>

#include "platform/core/strings.h"
#include "platform/controls/wincontrol.h"

enum TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable };

class TListBox : public TWinControl {
 public:
  explicit TListBox(TComponent* AOwner);
  ~TListBox() override;

  TStrings* GetItems() const { return items_.get(); }
  void SetItems(const TStrings& items) { items_->Assign(items); }
  // The selected entry; -1 for none.
  int GetItemIndex() const;
  void SetItemIndex(int value);
  bool GetSorted() const { return sorted_; }
  void SetSorted(bool value);
  TListBoxStyle GetStyle() const { return style_; }
  void SetStyle(TListBoxStyle value);
  int GetItemHeight() const { return itemHeight_; }
  void SetItemHeight(int value);
  // A sunken frame; off, a flat line.
  bool GetCtl3D() const { return ctl3D_; }
  void SetCtl3D(bool value);
  // The row's rectangle in client coordinates.
  TRect ItemRect(int index) const;
  int GetTopIndex() const;
  void Clear() { items_->Clear(); }

 protected:
  void ColorChanged() override;
  QWidget* ClientWidget() const override;
  void WMGetDlgCode(TWMGetDlgCode& Message) override;

 private:
  friend class ListBoxItems;
  void ApplyItemHeight();

  std::unique_ptr<TStrings> items_;
  bool sorted_ = false;
  bool ctl3D_ = true;
  TListBoxStyle style_ = lbStandard;
  int itemHeight_ = 13;
};
