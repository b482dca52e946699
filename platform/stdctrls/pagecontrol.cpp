#include "platform/stdctrls/pagecontrol.h"

#include <QPainter>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>
#include <algorithm>

#include "platform/controls/application.h"
#include "platform/controls/forms.h"
#include "platform/core/qt/qt_text.h"

namespace {
// The classic tab row; the pages lie 4 pixels inside the frame below it.
constexpr int kTabHeight = 20;
constexpr int kMargin = 4;
}  // namespace

// The control's widget: the tab row over a framed page area.
class TPageControl::Frame : public QWidget {
 public:
  Frame() : tabs_(new QTabBar(this)) {
    tabs_->setDrawBase(false);
    tabs_->setExpanding(false);
    tabs_->setFixedHeight(kTabHeight);
    tabs_->setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(tabs_);  // the arrows move between the tabs
  }
  QTabBar* Tabs() const { return tabs_; }

 protected:
  void resizeEvent(QResizeEvent*) override { tabs_->setGeometry(0, 0, width(), kTabHeight); }
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = QRect(0, kTabHeight - 1, width(), height() - kTabHeight + 1);
    frame.shape = QTabBar::RoundedNorth;
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, this);
  }

 private:
  QTabBar* tabs_;
};

namespace {
QTabBar* TabsOf(const TPageControl* control) {
  return control->Widget()->findChild<QTabBar*>(QString(), Qt::FindDirectChildrenOnly);
}
}  // namespace

// ---- TTabSheet ----

TTabSheet::TTabSheet(TComponent* AOwner) : TWinControl(AOwner, new QWidget) {
  SetParentColor(true);
  SetVisible(false);  // until its page control shows it
}

TPageControl* TTabSheet::GetPageControl() const { return dynamic_cast<TPageControl*>(GetParent()); }

void TTabSheet::SetPageControl(TPageControl* control) { SetParent(control); }

int TTabSheet::GetPageIndex() const {
  TPageControl* control = GetPageControl();
  if (!control) return -1;
  auto& pages = control->pages_;
  return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetPageIndex(int value) {
  TPageControl* control = GetPageControl();
  if (!control) return;
  int from = GetPageIndex();
  int to = std::clamp(value, 0, control->GetPageCount() - 1);
  auto& pages = control->pages_;
  pages.erase(pages.begin() + from);
  pages.insert(pages.begin() + to, this);
  QSignalBlocker block(TabsOf(control));
  TabsOf(control)->moveTab(from, to);
}

void TTabSheet::SetTabVisible(bool value) {
  tabVisible_ = value;
  if (TPageControl* control = GetPageControl()) control->UpdateTabs();
}

void TTabSheet::TextChanged() {
  if (TPageControl* control = GetPageControl()) control->UpdateTabs();
}

// ---- TPageControl ----

TPageControl::TPageControl(TComponent* AOwner) : TWinControl(AOwner, new Frame) {
  SetTabStop(true);
  QTabBar* tabs = TabsOf(this);
  AddInputWidget(tabs);
  QObject::connect(tabs, &QTabBar::currentChanged, tabs, [this](int index) {
    Application->HandleEvent([this, index] { TabChosen(index); });
  });
  SetBounds(0, 0, 289, 193);
  SetParentColor(true);
}

void TPageControl::ControlAdded(TControl* control) {
  TWinControl::ControlAdded(control);
  auto* page = dynamic_cast<TTabSheet*>(control);
  if (!page) return;
  pages_.push_back(page);
  {
    QSignalBlocker block(TabsOf(this));
    TabsOf(this)->addTab(ToQString(page->GetCaption()));
  }
  PlacePages();
  UpdateTabs();
  if (!activePage_) SetActivePage(page);
}

void TPageControl::ControlRemoved(TControl* control) {
  auto it = std::find(pages_.begin(), pages_.end(), control);
  if (it != pages_.end()) {
    int index = static_cast<int>(it - pages_.begin());
    pages_.erase(it);
    {
      QSignalBlocker block(TabsOf(this));
      TabsOf(this)->removeTab(index);
    }
    if (activePage_ == control) {
      activePage_ = nullptr;
      if (!pages_.empty()) SetActivePage(pages_[std::min<std::size_t>(index, pages_.size() - 1)]);
    }
  }
  TWinControl::ControlRemoved(control);
}

// Tab texts and which tabs show; a hidden active tab gives way to the one Qt shows instead.
void TPageControl::UpdateTabs() {
  QTabBar* tabs = TabsOf(this);
  {
    QSignalBlocker block(tabs);
    for (int i = 0; i < GetPageCount(); ++i) {
      tabs->setTabText(i, ToQString(pages_[i]->GetCaption()));
      tabs->setTabVisible(i, pages_[i]->GetTabVisible());
    }
  }
  int current = tabs->currentIndex();
  if (activePage_ && !activePage_->GetTabVisible() && current >= 0 &&
      pages_[current]->GetTabVisible())
    SetActivePage(pages_[current]);
}

void TPageControl::SetActivePage(TTabSheet* page) {
  if (page && page->GetPageControl() != this) return;
  TTabSheet* old = activePage_;
  if (page == old) return;
  TForm* form = GetParentForm(this);
  bool focusInside = form && old && old->ContainsControl(form->GetActiveControl());
  activePage_ = page;
  if (page) {
    page->SetVisible(true);
    page->BringToFront();
    QSignalBlocker block(TabsOf(this));
    TabsOf(this)->setCurrentIndex(page->GetPageIndex());
  }
  if (old) old->SetVisible(false);
  if (focusInside && CanFocus()) SetFocus();
}

int TPageControl::GetActivePageIndex() const {
  return activePage_ ? activePage_->GetPageIndex() : -1;
}

void TPageControl::SetActivePageIndex(int value) {
  SetActivePage(value >= 0 && value < GetPageCount() ? pages_[value] : nullptr);
}

void TPageControl::TabChosen(int index) {
  if (index < 0 || index >= GetPageCount() || pages_[index] == activePage_) return;
  if (!CanChange()) {
    QSignalBlocker block(TabsOf(this));
    TabsOf(this)->setCurrentIndex(GetActivePageIndex());
    return;
  }
  SetActivePage(pages_[index]);
  Change();
}

bool TPageControl::CanChange() {
  bool allow = true;
  if (OnChanging) OnChanging(this, allow);
  return allow;
}

void TPageControl::Change() {
  if (OnChange) OnChange(this);
}

void TPageControl::AlignArea(int& left, int& top, int& width, int& height) const {
  left = kMargin;
  top = kTabHeight + kMargin;
  width = GetClientWidth() - 2 * kMargin;
  height = GetClientHeight() - kTabHeight - 2 * kMargin;
}

void TPageControl::PlacePages() {
  int left, top, width, height;
  AlignArea(left, top, width, height);
  for (TTabSheet* page : pages_) page->SetBounds(left, top, width, height);
}

void TPageControl::Resize() {
  PlacePages();
  TWinControl::Resize();
}

void TPageControl::WMGetDlgCode(TWMGetDlgCode& Message) { Message.Result = DLGC_WANTARROWS; }
