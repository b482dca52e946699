#include "platform/stdctrls/edit.h"

#include <QGuiApplication>

#include <algorithm>

#include "platform/controls/clipboard.h"
#include "platform/graphics/qt/qt_color.h"
#include "platform/graphics/qt/qt_font.h"
#include "platform/stdctrls/qt/qt_edit_box.h"

TCustomEdit::TCustomEdit(TComponent* AOwner)
    : TCustomEdit(AOwner, NewLineEditBox([this] { Change(); })) {}

TCustomEdit::TCustomEdit(TComponent* AOwner, EditBox* box)
    : TWinControl(AOwner, box->Widget()), box_(box) {
  SetTabStop(true);
  AddInputWidget(box->Widget());
  SetBounds(0, 0, 121, 21);
  ColorChanged();
}

// The box goes first and stops reporting changes; the control frees the widget.
TCustomEdit::~TCustomEdit() = default;

int TCustomEdit::GetSelStart() const { return box_->SelStart(); }

void TCustomEdit::SetSelStart(int value) { box_->Select(value, 0); }

int TCustomEdit::GetSelLength() const { return box_->SelLength(); }

void TCustomEdit::SetSelLength(int value) { box_->Select(GetSelStart(), value); }

AnsiString TCustomEdit::GetSelText() const {
  // Positions count in the box's text, which a derived Text (a mask's) need not match.
  return box_->Text().substr(static_cast<std::size_t>(GetSelStart()),
                          static_cast<std::size_t>(GetSelLength()));
}

void TCustomEdit::SetSelText(const AnsiString& value) { box_->ReplaceSelection(value); }

void TCustomEdit::SelectAll() { box_->Select(0, static_cast<int>(box_->Text().size())); }

void TCustomEdit::SetMaxLength(int value) {
  maxLength_ = value;
  box_->SetMaxLength(value);
}

void TCustomEdit::SetReadOnly(bool value) {
  readOnly_ = value;
  box_->SetReadOnly(value);
}

bool TCustomEdit::GetModified() const { return box_->Modified(); }

void TCustomEdit::SetModified(bool value) { box_->SetModified(value); }

void TCustomEdit::SetPasswordChar(char value) {
  passwordChar_ = value;
  box_->SetPasswordChar(value);
}

void TCustomEdit::SetBorderStyle(TBorderStyle value) {
  borderStyle_ = value;
  box_->SetFrame(value != bsNone);
}

void TCustomEdit::SetAlignment(TAlignment value) {
  alignment_ = value;
  box_->SetAlignment(value);
}

TRect TCustomEdit::GetFormatRect() const { return formatRectSet_ ? formatRect_ : GetClientRect(); }

// The box keeps the text inside the rectangle by margins, which it must keep after a resize.
// The lines of a multi-line edit start at the rectangle's top.
void TCustomEdit::SetFormatRect(const TRect& rect) {
  if (!SingleLine()) return SetFormatRectVert(rect);
  formatRectSet_ = true;
  formatRectVert_ = false;
  formatRect_ = rect;
  box_->SetTextMargins(std::max(0, rect.Left), 0, std::max(0, GetClientWidth() - rect.Right), 0);
}

void TCustomEdit::SetFormatRectVert(const TRect& rect) {
  formatRectSet_ = true;
  formatRectVert_ = true;
  formatRect_ = rect;
  box_->SetTextMargins(std::max(0, rect.Left), std::max(0, rect.Top),
                       std::max(0, GetClientWidth() - rect.Right),
                       std::max(0, GetClientHeight() - rect.Bottom));
}

void TCustomEdit::Resize() {
  if (formatRectSet_) formatRectVert_ ? SetFormatRectVert(formatRect_) : SetFormatRect(formatRect_);
  TWinControl::Resize();
}

TPoint TCustomEdit::PosFromChar(int index) const { return box_->PosFromChar(index); }

int TCustomEdit::CharFromPos(const TPoint& point) const { return box_->CharFromPos(point); }

void TCustomEdit::SetTransparentBackground(bool value) {
  transparent_ = value;
  ColorChanged();
}

// The colour is the field's, behind the text, disabled too (where the text turns grey as
// Windows greys it); a transparent edit has none.
void TCustomEdit::ColorChanged() {
  QPalette palette = Widget()->palette();
  QColor color = transparent_ ? QColor(Qt::transparent) : ToQColor(GetColor());
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
    palette.setColor(group, QPalette::Base, color);
  palette.setColor(QPalette::Disabled, QPalette::Text, QColor(0x80, 0x80, 0x80));
  Widget()->setPalette(palette);
}

AnsiString TCustomEdit::RealGetText() const { return box_->Text(); }

// Setting the same text again changes nothing and fires no OnChange.
void TCustomEdit::RealSetText(const AnsiString& value) {
  if (value != box_->Text()) box_->SetText(value);
}

void TCustomEdit::Change() {
  if (OnChange) OnChange(this);
}

void TCustomEdit::WMCopy() {
  if (passwordChar_ || GetSelLength() == 0) return;
  Clipboard()->SetAsText(GetSelText());
}

void TCustomEdit::WMCut() {
  if (readOnly_ || passwordChar_ || GetSelLength() == 0) return;
  WMCopy();
  WMClear();
}

void TCustomEdit::WMPaste() {
  if (readOnly_ || !Clipboard()->HasFormat(CF_TEXT)) return;
  AnsiString text = Clipboard()->GetAsText();
  if (SingleLine()) text = text.substr(0, text.find_first_of("\r\n"));
  box_->ReplaceSelection(text);
}

void TCustomEdit::WMClear() {
  if (!readOnly_ && GetSelLength() > 0) box_->ReplaceSelection("");
}

void TCustomEdit::WMUndo() {
  if (!readOnly_) box_->Undo();
}

void TCustomEdit::WMGetDlgCode(TWMGetDlgCode& Message) {
  Message.Result = DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL;
}

// The Windows edit control's own clipboard keys: Ctrl+C, Ctrl+X, Ctrl+V and Ctrl+Z arrive as
// characters, Ctrl+Insert, Shift+Insert and Shift+Delete as keys.
void TCustomEdit::DefaultKeyHandler(TWMKey& Message) {
  if (Message.Msg == WM_KEYDOWN) {
    TShiftState shift = KeyDataToShiftState(Message.KeyData);
    if (Message.CharCode == VK_INSERT && shift == TShiftState(ssCtrl)) return WMCopy();
    if (Message.CharCode == VK_INSERT && shift == TShiftState(ssShift)) return WMPaste();
    if (Message.CharCode == VK_DELETE && shift == TShiftState(ssShift)) return WMCut();
  }
  if (Message.Msg == WM_CHAR) {
    switch (Message.CharCode) {
      case 3: return WMCopy();
      case 22: return WMPaste();
      case 24: return WMCut();
      case 26: return WMUndo();
    }
    // A full control takes no more characters (a line end needs two).
    int needed = Message.CharCode == '\r' ? 2 : Message.CharCode >= 32 ? 1 : 0;
    int room = maxLength_ - static_cast<int>(box_->Text().size()) + GetSelLength();
    if (maxLength_ > 0 && needed > room) return;
  }
  TWinControl::DefaultKeyHandler(Message);
}

// Coming by keyboard selects all; a click places the caret where it falls.
void TCustomEdit::DoEnter() {
  if (AutoSelect && SingleLine() && !(QGuiApplication::mouseButtons() & Qt::LeftButton))
    SelectAll();
  TWinControl::DoEnter();
}

TEdit::TEdit(TComponent* AOwner) : TCustomEdit(AOwner) {}
