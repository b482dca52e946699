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
  items_->SetDuplicates(dupAccept);
  items_->OnChange = [this](TObject*) { ShowItems(); };
  QListWidget* list = List(Widget());
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setUniformItemSizes(true);
  AddInputWidget(list->viewport());
  ColorChanged();
}

TListBox::~TListBox() = default;

// The list keeps its texts; the Qt list shows them again after each change, each row
// ItemHeight high when owner-drawn.
void TListBox::ShowItems() {
  QListWidget* list = List(Widget());
  QSignalBlocker block(list);
  const int chosen = list->currentRow();
  const QSize rowSize = style_ == lbStandard ? QSize() : QSize(0, itemHeight_);
  list->clear();
  for (int i = 0; i < items_->Count(); ++i) {
    auto* item = new QListWidgetItem(ToQString(items_->Strings(i)), list);
    item->setSizeHint(rowSize);
  }
  list->setCurrentRow(chosen < list->count() ? chosen : -1);
}

int TListBox::GetItemIndex() const { return List(Widget())->currentRow(); }

void TListBox::SetItemIndex(int value) {
  QListWidget* list = List(Widget());
  QSignalBlocker block(list);
  list->setCurrentRow(value >= 0 && value < list->count() ? value : -1);
}

void TListBox::SetStyle(TListBoxStyle value) {
  style_ = value;
  ShowItems();
}

void TListBox::SetItemHeight(int value) {
  if (value > 0) itemHeight_ = value;
  ShowItems();
}

void TListBox::SetFlat(bool value) {
  QListWidget* list = List(Widget());
  list->setFrameShape(value ? QFrame::Box : QFrame::StyledPanel);
  list->setFrameShadow(value ? QFrame::Plain : QFrame::Sunken);
  list->setLineWidth(1);
}

TRect TListBox::ItemRect(int index) const {
  QListWidget* list = List(Widget());
  if (index < 0 || index >= list->count()) return TRect();
  const QRect r = list->visualItemRect(list->item(index));
  return TRect(r.left(), r.top(), r.right() + 1, r.bottom() + 1);
}

int TListBox::GetTopIndex() const {
  QListWidget* list = List(Widget());
  return list->row(list->itemAt(0, 0));
}

void TListBox::ColorChanged() { SetWidgetColor(Widget(), QPalette::Base, GetColor()); }

QWidget* TListBox::ClientWidget() const { return List(Widget())->viewport(); }

void TListBox::WMGetDlgCode(TWMGetDlgCode& Message) { Message.Result = DLGC_WANTARROWS; }
