// Pop-up menus: a tree of menu items, each with a caption ("-" makes a separator line), a
// check mark and OnClick. Popup shows the menu at a screen point and waits; the chosen item's
// Click runs after the menu has closed.
#pragma once

#include <vector>

#include "platform/core/component.h"
#include "platform/core/notify_event.h"

class TMenuItem : public TComponent {
 public:
  explicit TMenuItem(TComponent* AOwner);
  // Frees the items below it and leaves its parent item.
  ~TMenuItem() override;

  AnsiString GetCaption() const { return caption_; }
  void SetCaption(const AnsiString& value) { caption_ = value; }
  bool IsLine() const { return caption_ == "-"; }
  bool Checked = false;
  bool Enabled = true;
  bool Visible = true;

  int GetCount() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int index) const { return items_.at(index); }
  TMenuItem* GetParent() const { return parent_; }
  int IndexOf(const TMenuItem* item) const;
  void Add(TMenuItem* item) { Insert(GetCount(), item); }
  // An item already under another parent leaves it first.
  void Insert(int index, TMenuItem* item);
  void Remove(TMenuItem* item);
  void Delete(int index) { Remove(Items(index)); }
  void Clear();  // frees the items below

  TNotifyEvent OnClick;
  virtual void Click();

 private:
  AnsiString caption_;
  TMenuItem* parent_ = nullptr;
  std::vector<TMenuItem*> items_;
};

class TPopupMenu : public TComponent {
 public:
  explicit TPopupMenu(TComponent* AOwner);
  ~TPopupMenu() override;

  TMenuItem* GetItems() const { return items_; }
  // Shown by a right click on a control that has this menu as its PopupMenu.
  bool AutoPopup = true;
  // The control the menu was last shown for.
  TComponent* GetPopupComponent() const { return popupComponent_; }
  void SetPopupComponent(TComponent* component) { popupComponent_ = component; }

  TNotifyEvent OnPopup;
  // Shows the menu at a screen point until an item is chosen or the menu is dismissed.
  virtual void Popup(int X, int Y);

 private:
  TMenuItem* items_;
  TComponent* popupComponent_ = nullptr;
};
