#include "platform/stdctrls/combobox.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QStyleOptionComboBox>
#include <algorithm>

#include "platform/controls/application.h"
#include "platform/stdctrls/list_index.h"
#include "platform/graphics/qt/qt_font.h"
#include "platform/core/qt/qt_text.h"

namespace {

// The open list is at least as wide as its longest entry and DropDownWidth; the control keeps
// its width. Qt's styles size an edit combo's list by the control alone.
class DropDownCombo : public QComboBox {
 public:
  int leastWidth = 0;

  void showPopup() override {
    view()->setMinimumWidth(std::max(leastWidth, EntriesWidth()));
    QComboBox::showPopup();
  }

 private:
  int EntriesWidth() const {
    QAbstractItemView* list = view();
    int width = list->sizeHintForColumn(0) + 2 * list->frameWidth();
    if (count() > maxVisibleItems())
      width += style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
    return width;
  }
};

QComboBox* Combo(QWidget* widget) { return static_cast<QComboBox*>(widget); }

// What a line edit keeps free beside its text: two pixels each side, and the caret's.
constexpr int kEditMargins = 2 * 2 + 1;

// The entries of the list, kept in the Qt combo box; each may carry an object.
class ComboItems : public TStrings {
 public:
  explicit ComboItems(QComboBox* combo) : combo_(combo) {}

  int Count() const override { return combo_->count(); }
  AnsiString Strings(int index) const override {
    CheckListIndex(index, Count());
    return FromQString(combo_->itemText(index));
  }
  void SetStrings(int index, const AnsiString& text) override {
    CheckListIndex(index, Count());
    combo_->setItemText(index, ToQString(text));
  }
  TObject* Objects(int index) const override {
    CheckListIndex(index, Count());
    return static_cast<TObject*>(combo_->itemData(index).value<void*>());
  }
  void SetObjects(int index, TObject* object) override {
    CheckListIndex(index, Count());
    combo_->setItemData(index, QVariant::fromValue(static_cast<void*>(object)));
  }
  void InsertObject(int index, const AnsiString& text, TObject* object) override {
    CheckListIndex(index, Count() + 1);
    Quietly([&] {
      combo_->insertItem(index, ToQString(text), QVariant::fromValue(static_cast<void*>(object)));
    });
  }
  void Delete(int index) override {
    CheckListIndex(index, Count());
    Quietly([&] { combo_->removeItem(index); });
  }
  // The typed text of an edit combo stays; the list's choice goes.
  void Clear() override {
    Quietly([&] { combo_->clear(); });
  }

 private:
  // Changing the list is the program's doing: no OnChange. The chosen entry stays chosen while
  // it is there (Qt would choose the first one added, or another for one removed), and an edit
  // combo keeps its text.
  template <typename F>
  void Quietly(F change) {
    QString text = combo_->currentText();
    int index = combo_->currentIndex();
    QPersistentModelIndex chosen(index >= 0 ? combo_->model()->index(index, 0) : QModelIndex());
    QSignalBlocker block(combo_);
    change();
    combo_->setCurrentIndex(chosen.isValid() ? chosen.row() : -1);
    if (combo_->isEditable() && combo_->currentText() != text) combo_->setEditText(text);
  }

  QComboBox* combo_;
};

}  // namespace

TComboBox::TComboBox(TComponent* AOwner)
    : TWinControl(AOwner, new DropDownCombo),
      items_(std::make_unique<ComboItems>(Combo(Widget()))) {
  SetTabStop(true);
  QComboBox* combo = Combo(Widget());
  combo->setInsertPolicy(QComboBox::NoInsert);
  QObject::connect(combo, &QComboBox::activated, combo,
                   [this] { Application->HandleEvent([this] { Change(); }); });
  // An entry the user chooses is selected from its end back to its start, so that it shows
  // from its first letter and typing replaces it (the program's choices are quiet).
  QObject::connect(combo, &QComboBox::currentIndexChanged, combo, [combo] {
    if (QLineEdit* edit = combo->lineEdit())
      edit->setSelection(static_cast<int>(edit->text().size()),
                         -static_cast<int>(edit->text().size()));
  });
  ApplyStyle();
  SetBounds(0, 0, 145, 21);
  ColorChanged();
}

TComboBox::~TComboBox() = default;

void TComboBox::SetStyle(TComboBoxStyle value) {
  style_ = value;
  ApplyStyle();
}

void TComboBox::ApplyStyle() {
  QComboBox* combo = Combo(Widget());
  bool editable = style_ == csDropDown || style_ == csSimple;
  QString text = combo->currentText();
  QSignalBlocker block(combo);
  combo->setEditable(editable);
  if (!editable) return;
  QLineEdit* edit = combo->lineEdit();
  edit->setAcceptDrops(false);
  edit->setMaxLength(maxLength_ > 0 ? maxLength_ : 32767);
  combo->setEditText(text);
  if (edit == edit_) return;
  edit_ = edit;  // a new edit of the combo's own: its input and typing reach the control
  AddInputWidget(edit);
  QObject::connect(edit, &QLineEdit::textEdited, combo,
                   [this] { Application->HandleEvent([this] { Change(); }); });
}

int TComboBox::GetSelStart() const {
  const QLineEdit* edit = Combo(Widget())->lineEdit();
  if (!edit) return 0;
  return edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
}

void TComboBox::SetEditSel(int start, int length) {
  if (QLineEdit* edit = Combo(Widget())->lineEdit()) edit->setSelection(start, length);
}

int TComboBox::CharFromPos(const TPoint& point) const {
  QComboBox* combo = Combo(Widget());
  QLineEdit* edit = combo->lineEdit();
  if (!edit) return 0;
  return edit->cursorPositionAt(edit->mapFrom(combo, QPoint(point.x, point.y)));
}

int TComboBox::GetItemIndex() const {
  QComboBox* combo = Combo(Widget());
  int index = combo->currentIndex();
  if (index >= 0 && combo->isEditable() && combo->currentText() != combo->itemText(index))
    return -1;
  return index;
}

void TComboBox::SetItemIndex(int value) {
  QComboBox* combo = Combo(Widget());
  QSignalBlocker block(combo);
  combo->setCurrentIndex(value >= 0 && value < combo->count() ? value : -1);
  if (value < 0 && combo->isEditable()) combo->setEditText(QString());
}

void TComboBox::SetDropDownWidth(int value) {
  dropDownWidth_ = value;
  static_cast<DropDownCombo*>(Widget())->leastWidth = std::max(0, value);
}

void TComboBox::SetDropDownCount(int value) {
  dropDownCount_ = value;
  Combo(Widget())->setMaxVisibleItems(std::max(1, value));
}

void TComboBox::SetMaxLength(int value) {
  maxLength_ = value;
  if (QLineEdit* edit = Combo(Widget())->lineEdit()) edit->setMaxLength(value > 0 ? value : 32767);
}

bool TComboBox::GetDroppedDown() const { return Combo(Widget())->view()->isVisible(); }

void TComboBox::SetDroppedDown(bool value) {
  if (value) Combo(Widget())->showPopup();
  else Combo(Widget())->hidePopup();
}

void TComboBox::Clear() {
  items_->Clear();
  SetText("");
}

void TComboBox::Change() {
  if (OnChange) OnChange(this);
}

void TComboBox::ColorChanged() { SetWidgetColor(Widget(), QPalette::Base, GetColor()); }

AnsiString TComboBox::RealGetText() const { return FromQString(Combo(Widget())->currentText()); }

// An edit combo shows any text; a list combo only an entry of its list, which it then chooses.
void TComboBox::RealSetText(const AnsiString& value) {
  QComboBox* combo = Combo(Widget());
  QSignalBlocker block(combo);
  if (combo->isEditable()) {
    combo->setEditText(ToQString(value));
    int index = combo->findText(ToQString(value), Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (index >= 0) combo->setCurrentIndex(index);
    combo->setEditText(ToQString(value));
    // The text shows from its start, as the caret stands there after a set text.
    combo->lineEdit()->setCursorPosition(0);
  } else {
    int index = combo->findText(ToQString(value), Qt::MatchFixedString);
    if (index >= 0 || value.empty()) combo->setCurrentIndex(index);
  }
}

// A text longer than the field shows from its first letter once the focus has left.
void TComboBox::WMKillFocus() {
  TWinControl::WMKillFocus();
  if (QLineEdit* edit = Combo(Widget())->lineEdit()) edit->setCursorPosition(0);
}

int TComboBox::WidthToShow(const AnsiString& text) const {
  QComboBox* combo = Combo(Widget());
  QStyleOptionComboBox option;
  option.initFrom(combo);
  option.editable = combo->isEditable();
  option.rect = QRect(0, 0, GetWidth(), GetHeight());
  const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                     QStyle::SC_ComboBoxEditField, combo);
  return GetWidth() - field.width() + kEditMargins +
         combo->fontMetrics().horizontalAdvance(ToQString(text));
}

bool TComboBox::TakesCharacters() const { return Combo(Widget())->isEditable(); }

void TComboBox::WMGetDlgCode(TWMGetDlgCode& Message) {
  Message.Result = DLGC_WANTCHARS | DLGC_WANTARROWS;
}
