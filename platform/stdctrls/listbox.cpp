#include "platform/stdctrls/listbox.h"

#include <QListWidget>

#include "platform/graphics/qt/qt_font.h"
#include "platform/core/qt/qt_text.h"
#include "platform/stdctrls/list_index.h"

namespace {
QListWidget* List(QWidget* widget) { return static_cast<QListWidget*>(widget); }
// A row's size: the font's for a standard list, ItemHeight for an owner-drawn one.
QSize RowSize(TListBoxStyle style, int itemHeight) {
  return style == lbStandard ? QSize() : QSize(0, itemHeight);
}
}  // namespace

// The entries, kept in the Qt list; each may carry an object.
class ListBoxItems : public TStrings {
 public:
  explicit ListBoxItems(TListBox* box) : box_(box) {}

  int Count() const override { return List()->count(); }
  AnsiString Strings(int index) const override {
    CheckListIndex(index, Count());
    return FromQString(List()->item(index)->text());
  }
  void SetStrings(int index, const AnsiString& text) override {
    CheckListIndex(index, Count());
    List()->item(index)->setText(ToQString(text));
  }
  TObject* Objects(int index) const override {
    CheckListIndex(index, Count());
    return static_cast<TObject*>(List()->item(index)->data(Qt::UserRole).value<void*>());
  }
  void SetObjects(int index, TObject* object) override {
    CheckListIndex(index, Count());
    List()->item(index)->setData(Qt::UserRole, QVariant::fromValue(static_cast<void*>(object)));
  }
  void InsertObject(int index, const AnsiString& text, TObject* object) override {
    CheckListIndex(index, Count() + 1);
    auto* item = new QListWidgetItem(ToQString(text));
    item->setData(Qt::UserRole, QVariant::fromValue(static_cast<void*>(object)));
    item->setSizeHint(RowSize(box_->style_, box_->itemHeight_));
    List()->insertItem(index, item);
  }
  // A sorted list puts the entry after those that do not sort behind it.
  int AddObject(const AnsiString& text, TObject* object) override {
    int index = Count();
    if (box_->sorted_)
      while (index > 0 && CompareStrings(Strings(index - 1), text) > 0) --index;
    InsertObject(index, text, object);
    return index;
  }
  void Delete(int index) override {
    CheckListIndex(index, Count());
    delete List()->takeItem(index);
  }
  void Clear() override { List()->clear(); }

 private:
  QListWidget* List() const { return ::List(box_->Widget()); }
  TListBox* box_;
};

TListBox::TListBox(TComponent* AOwner)
    : TWinControl(AOwner, new QListWidget), items_(std::make_unique<ListBoxItems>(this)) {
  SetTabStop(true);
  QListWidget* list = List(Widget());
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setUniformItemSizes(true);
  AddInputWidget(list->viewport());
  SetBounds(0, 0, 121, 97);
  SetCtl3D(true);
  ColorChanged();
}

TListBox::~TListBox() = default;

int TListBox::GetItemIndex() const { return List(Widget())->currentRow(); }

void TListBox::SetItemIndex(int value) {
  List(Widget())->setCurrentRow(value >= 0 && value < items_->Count() ? value : -1);
}

// Sorting an unsorted list sorts what it holds.
void TListBox::SetSorted(bool value) {
  if (value && !sorted_) List(Widget())->sortItems();
  sorted_ = value;
}

void TListBox::SetStyle(TListBoxStyle value) {
  style_ = value;
  ApplyItemHeight();
}

void TListBox::SetItemHeight(int value) {
  if (value > 0) itemHeight_ = value;
  ApplyItemHeight();
}

void TListBox::ApplyItemHeight() {
  QListWidget* list = List(Widget());
  const QSize size = RowSize(style_, itemHeight_);
  for (int i = 0; i < list->count(); ++i) list->item(i)->setSizeHint(size);
}

void TListBox::SetCtl3D(bool value) {
  ctl3D_ = value;
  QListWidget* list = List(Widget());
  list->setFrameShape(value ? QFrame::StyledPanel : QFrame::Box);
  list->setFrameShadow(value ? QFrame::Sunken : QFrame::Plain);
  list->setLineWidth(1);
}

TRect TListBox::ItemRect(int index) const {
  QListWidget* list = List(Widget());
  if (index < 0 || index >= list->count()) return TRect();
  QRect r = list->visualItemRect(list->item(index));
  return TRect(r.left(), r.top(), r.right() + 1, r.bottom() + 1);
}

int TListBox::GetTopIndex() const {
  QListWidget* list = List(Widget());
  return list->row(list->itemAt(0, 0));
}

// The colour fills behind the entries.
void TListBox::ColorChanged() { SetWidgetColor(Widget(), QPalette::Base, GetColor()); }

QWidget* TListBox::ClientWidget() const { return List(Widget())->viewport(); }

void TListBox::WMGetDlgCode(TWMGetDlgCode& Message) {
  Message.Result = DLGC_WANTCHARS | DLGC_WANTARROWS;
}
