#include "platform/stdctrls/listbox.h"

#include <QListWidget>
#include <QSignalBlocker>

#include "platform/core/qt/qt_text.h"
#include "platform/graphics/qt/qt_font.h"

namespace {
QListWidget* List(QWidget* widget) { return static_cast<QListWidget*>(widget); }
}  // namespace

TListBox::TListBox(TComponent* AOwner)
    : TWinControl(AOwner, new QListWidget), items_(std::make_unique<TStringList>()) {
  SetTabStop(true);
  items_->OnChange = [this](TObject*) { ShowItems(); };
  AddInputWidget(List(Widget())->viewport());
  ColorChanged();
}

TListBox::~TListBox() = default;

// The list keeps its texts; the Qt list shows them again after each change.
void TListBox::ShowItems() {
  QListWidget* list = List(Widget());
  QSignalBlocker block(list);
  const int chosen = list->currentRow();
  list->clear();
  for (int i = 0; i < items_->Count(); ++i) list->addItem(ToQString(items_->Strings(i)));
  list->setCurrentRow(chosen < list->count() ? chosen : -1);
}

int TListBox::GetItemIndex() const { return List(Widget())->currentRow(); }

void TListBox::SetItemIndex(int value) {
  QListWidget* list = List(Widget());
  QSignalBlocker block(list);
  list->setCurrentRow(value >= 0 && value < list->count() ? value : -1);
}

void TListBox::SetFlat(bool value) {
  List(Widget())->setFrameShape(value ? QFrame::Box : QFrame::StyledPanel);
}

void TListBox::ColorChanged() { SetWidgetColor(Widget(), QPalette::Base, GetColor()); }

void TListBox::WMGetDlgCode(TWMGetDlgCode& Message) { Message.Result = DLGC_WANTARROWS; }
