#include "platform/controls/wincontrol.h"

#include <QApplication>
#include <QWidget>
#include <algorithm>

#include "platform/controls/forms.h"
#include "platform/controls/qt/qt_control_events.h"

TWinControl::~TWinControl() {
  // Children go before this control's widget, which would otherwise take theirs along.
  while (!controls_.empty()) delete controls_.back();
}

bool TWinControl::ContainsControl(const TControl* control) const {
  for (; control; control = control->GetParent())
    if (control == this) return true;
  return false;
}

void TWinControl::FontChanged() {
  for (TControl* child : controls_) child->TakeParentFont();
}

void TWinControl::ColorChanged() {
  TControl::ColorChanged();
  for (TControl* child : controls_) child->TakeParentColor();
}

void TWinControl::Resize() {
  Realign();
  TControl::Resize();
}

void TWinControl::ControlAdded(TControl* control) {
  if (auto* win = dynamic_cast<TWinControl*>(control)) tabList_.push_back(win);
}

void TWinControl::ControlRemoved(TControl* control) {
  std::erase(tabList_, control);
  if (TForm* form = GetParentForm(this)) form->ControlGone(control);
}

// ---- Focus and tab order ----

void TWinControl::CMFocusChanged(TWinControl* Focused) {
  for (TControl* child : controls_)
    if (auto* win = dynamic_cast<TWinControl*>(child)) win->CMFocusChanged(Focused);
}

bool TWinControl::CanFocus() const {
  const TControl* form = GetParentForm(const_cast<TWinControl*>(this));
  if (!form) return false;
  for (const TControl* c = this; c != form; c = c->GetParent())
    if (!c->GetVisible() || !c->GetEnabled()) return false;
  return true;
}

bool TWinControl::Focused() const {
  return ControlEvents::ControlOf(QApplication::focusWidget()) == this;
}

// A scroll area's own update reaches its frame only: the client area is a widget of its own.
void TWinControl::Invalidate() {
  TControl::Invalidate();
  if (ClientWidget() != Widget()) ClientWidget()->update();
}

void TWinControl::SetFocus() {
  TForm* form = GetParentForm(this);
  if (!form || !CanFocus() || !form->GetVisible())
    throw EInvalidOperation("Cannot focus a disabled or invisible window");
  form->SetActiveControl(this);
}

int TWinControl::GetTabOrder() const {
  if (!GetParent()) return -1;
  const auto& list = GetParent()->tabList_;
  return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TWinControl::SetTabOrder(int value) {
  if (!GetParent()) return;
  auto& list = GetParent()->tabList_;
  std::erase(list, this);
  value = std::clamp(value, 0, static_cast<int>(list.size()));
  list.insert(list.begin() + value, this);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
  for (TWinControl* child : tabList_) {
    list.push_back(child);
    child->GetTabOrderList(list);
  }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool goForward,
                                          bool checkTabStop, bool checkParent) const {
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  int count = static_cast<int>(list.size());
  if (count == 0) return nullptr;
  int start = static_cast<int>(std::find(list.begin(), list.end(), current) - list.begin());
  if (start == count) start = goForward ? count - 1 : 0;
  int i = start;
  do {
    i = goForward ? (i + 1) % count : (i + count - 1) % count;
    TWinControl* c = list[i];
    if (c->CanFocus() && (!checkTabStop || c->tabStop_) && (!checkParent || c->GetParent() == this))
      return c;
  } while (i != start);
  return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool goForward, bool checkTabStop) {
  if (TWinControl* next = FindNextControl(current, goForward, checkTabStop, !checkTabStop))
    next->SetFocus();
}

void TWinControl::WMSetFocus() {
  DefaultHandler();
  if (TForm* form = GetParentForm(this)) form->SetFocusedControl(this);
}

void TWinControl::WMKillFocus() { DefaultHandler(); }

void TWinControl::DoEnter() {
  if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
  if (OnExit) OnExit(this);
}

// ---- Alignment ----

void TWinControl::AlignArea(int& left, int& top, int& width, int& height) const {
  left = 0;
  top = 0;
  width = GetClientWidth();
  height = GetClientHeight();
}

void TWinControl::Realign() {
  if (aligning_) return;
  aligning_ = true;
  AlignControls();
  aligning_ = false;
}

// Top and bottom bars take the full width first, then left and right the height that is
// left, then the client control fills the rest; each group keeps its controls' order on screen.
void TWinControl::AlignControls() {
  int left, top, width, height;
  AlignArea(left, top, width, height);
  int right = left + width, bottom = top + height;
  auto place = [&](TAlign align) {
    std::vector<TControl*> group;
    for (TControl* c : controls_)
      if (c->align_ == align && c->GetVisible()) group.push_back(c);
    bool fromFar = align == alBottom || align == alRight;
    bool vertical = align == alTop || align == alBottom;
    std::stable_sort(group.begin(), group.end(), [&](TControl* a, TControl* b) {
      int pa = vertical ? a->top_ : a->left_, pb = vertical ? b->top_ : b->left_;
      return fromFar ? pa > pb : pa < pb;
    });
    for (TControl* c : group) {
      switch (align) {
        case alTop: c->SetBounds(left, top, right - left, c->height_); top += c->height_; break;
        case alBottom:
          bottom -= c->height_;
          c->SetBounds(left, bottom, right - left, c->height_);
          break;
        case alLeft: c->SetBounds(left, top, c->width_, bottom - top); left += c->width_; break;
        case alRight:
          right -= c->width_;
          c->SetBounds(right, top, c->width_, bottom - top);
          break;
        default: c->SetBounds(left, top, right - left, bottom - top); break;
      }
    }
  };
  for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) place(align);
}
