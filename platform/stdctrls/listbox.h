// A list box: a list of texts, one of which may be chosen. The program's changes of Items or
// ItemIndex fire no events.
#pragma once

#include <memory>

#include "platform/controls/wincontrol.h"
#include "platform/core/strings.h"

class TListBox : public TWinControl {
 public:
  explicit TListBox(TComponent* AOwner);
  ~TListBox() override;

  TStrings* GetItems() const { return items_.get(); }
  void SetItems(const TStrings& items) { items_->Assign(items); }
  // The chosen entry, -1 for none.
  int GetItemIndex() const;
  void SetItemIndex(int value);
  // Without a sunken frame.
  void SetFlat(bool value);

 protected:
  void ColorChanged() override;
  void WMGetDlgCode(TWMGetDlgCode& Message) override;

 private:
  std::unique_ptr<TStringList> items_;
  void ShowItems();
};
