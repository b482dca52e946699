#include "platform/controls/menus.h"

#include <QAction>
#include <QMenu>
#include <QPointer>
#include <algorithm>

#include "platform/controls/application.h"
#include "platform/core/qt/qt_text.h"

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner) {}

TMenuItem::~TMenuItem() {
  Clear();
  if (parent_) parent_->Remove(this);
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
  auto it = std::find(items_.begin(), items_.end(), item);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (item->parent_) item->parent_->Remove(item);
  index = std::clamp(index, 0, GetCount());
  items_.insert(items_.begin() + index, item);
  item->parent_ = this;
}

void TMenuItem::Remove(TMenuItem* item) {
  if (IndexOf(item) < 0) return;
  std::erase(items_, item);
  item->parent_ = nullptr;
}

void TMenuItem::Clear() {
  while (!items_.empty()) delete items_.back();
}

void TMenuItem::Click() {
  if (OnClick) OnClick(this);
}

TPopupMenu::TPopupMenu(TComponent* AOwner) : TComponent(AOwner), items_(new TMenuItem(nullptr)) {}

TPopupMenu::~TPopupMenu() { delete items_; }

namespace {
// Builds the Qt menu of an item's children; each action remembers its item.
void Fill(QMenu& menu, const TMenuItem& item) {
  for (int i = 0; i < item.GetCount(); ++i) {
    TMenuItem* child = item.Items(i);
    if (!child->Visible) continue;
    if (child->IsLine()) {
      menu.addSeparator();
      continue;
    }
    QAction* action;
    if (child->GetCount() > 0) {
      QMenu* sub = menu.addMenu(ToQString(child->GetCaption()));
      Fill(*sub, *child);
      action = sub->menuAction();
    } else {
      action = menu.addAction(ToQString(child->GetCaption()));
      action->setCheckable(child->Checked);
      action->setChecked(child->Checked);
    }
    action->setEnabled(child->Enabled);
    action->setData(QVariant::fromValue(static_cast<void*>(child)));
  }
}
}  // namespace

void TPopupMenu::Popup(int X, int Y) {
  if (OnPopup) OnPopup(this);
  QMenu menu;
  Fill(menu, *items_);
  QAction* chosen = menu.exec(QPoint(X, Y));
  if (!chosen) return;
  auto* item = static_cast<TMenuItem*>(chosen->data().value<void*>());
  Application->HandleEvent([item] { item->Click(); });
}
