// A combo box: an edit with a drop-down list (csDropDown), or a list to choose from only
// (csDropDownList). OnChange fires when the user types or chooses, not when the program sets
// Text or ItemIndex.
#pragma once

#include <memory>

#include "platform/core/strings.h"
#include "platform/controls/wincontrol.h"

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

class TComboBox : public TWinControl {
 public:
  explicit TComboBox(TComponent* AOwner);
  ~TComboBox() override;

  TComboBoxStyle GetStyle() const { return style_; }
  void SetStyle(TComboBoxStyle value);
  TStrings* GetItems() const { return items_.get(); }
  void SetItems(const TStrings& items) { items_->Assign(items); }
  // The chosen entry; -1 when none is, or when the typed text is not the chosen entry's.
  int GetItemIndex() const;
  void SetItemIndex(int value);
  // Rows the open list shows before it scrolls.
  int GetDropDownCount() const { return dropDownCount_; }
  void SetDropDownCount(int value);
  // The least width of the open list; it is never narrower than the control or its longest
  // entry.
  int GetDropDownWidth() const { return dropDownWidth_; }
  void SetDropDownWidth(int value);
  int GetMaxLength() const { return maxLength_; }
  void SetMaxLength(int value);
  bool GetDroppedDown() const;
  void SetDroppedDown(bool value);
  // The caret and the selection in the edit field (csDropDown, csSimple); 0 without one.
  int GetSelStart() const;
  void SetEditSel(int start, int length);
  // The character boundary of the edit field nearest a client point (EM_CHARFROMPOS of the
  // field); 0 without one.
  int CharFromPos(const TPoint& point) const;
  // The width the control needs to show the text whole in its field, in its font.
  int WidthToShow(const AnsiString& text) const;
  void Clear();

  TNotifyEvent OnChange;

 protected:
  virtual void Change();
  void ColorChanged() override;
  AnsiString RealGetText() const override;
  void RealSetText(const AnsiString& value) override;
  bool TakesCharacters() const override;
  void WMKillFocus() override;
  void WMGetDlgCode(TWMGetDlgCode& Message) override;

 private:
  void ApplyStyle();

  std::unique_ptr<TStrings> items_;
  TComboBoxStyle style_ = csDropDown;
  int dropDownCount_ = 8;
  int dropDownWidth_ = 0;
  int maxLength_ = 0;
  QWidget* edit_ = nullptr;
};
