// A page control: tabs along the top, each with a page (a tab sheet) of controls below; only
// the active page shows. A sheet whose TabVisible is off has no tab. OnChanging may keep the
// user from leaving a page; OnChange follows the user's choice of a tab, not the program's.
#pragma once

#include <functional>
#include <vector>

#include "platform/controls/wincontrol.h"

class TPageControl;
using TTabChangingEvent = std::function<void(TObject* Sender, bool& AllowChange)>;

class TTabSheet : public TWinControl {
 public:
  explicit TTabSheet(TComponent* AOwner);

  TPageControl* GetPageControl() const;
  void SetPageControl(TPageControl* control);
  int GetPageIndex() const;
  void SetPageIndex(int value);
  bool GetTabVisible() const { return tabVisible_; }
  void SetTabVisible(bool value);

 protected:
  void TextChanged() override;

 private:
  bool tabVisible_ = true;
};

class TPageControl : public TWinControl {
 public:
  explicit TPageControl(TComponent* AOwner);

  int GetPageCount() const { return static_cast<int>(pages_.size()); }
  TTabSheet* Pages(int index) const { return pages_.at(index); }
  TTabSheet* GetActivePage() const { return activePage_; }
  void SetActivePage(TTabSheet* page);
  int GetActivePageIndex() const;
  void SetActivePageIndex(int value);

  TTabChangingEvent OnChanging;
  TNotifyEvent OnChange;

 protected:
  virtual void Change();
  virtual bool CanChange();
  void ControlAdded(TControl* control) override;
  void ControlRemoved(TControl* control) override;
  void AlignArea(int& left, int& top, int& width, int& height) const override;
  void Resize() override;
  void WMGetDlgCode(TWMGetDlgCode& Message) override;

 private:
  friend class TTabSheet;
  class Frame;

  void UpdateTabs();
  void PlacePages();
  void TabChosen(int index);

  std::vector<TTabSheet*> pages_;
  TTabSheet* activePage_ = nullptr;
};
