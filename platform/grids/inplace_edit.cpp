#include "platform/grids/inplace_edit.h"

#include <QLineEdit>
#include <QPlainTextEdit>

#include <algorithm>
#include <utility>

#include "platform/grids/grid.h"
#include "platform/stdctrls/qt/qt_edit_box.h"

TInplaceEdit::TInplaceEdit(TComponent* AOwner, bool MultiLine)
    : TCustomMaskEdit(AOwner, MultiLine ? NewMemoBox([this] { Change(); })
                                        : NewLineEditBox([this] { Change(); })),
      multiLine_(MultiLine) {
  SetTabStop(false);
  SetVisible(false);
  if (auto* line = qobject_cast<QLineEdit*>(Widget())) line->setFrame(false);
  if (auto* memo = qobject_cast<QPlainTextEdit*>(Widget())) {
    memo->setFrameShape(QFrame::NoFrame);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    AddInputWidget(memo->viewport());
  }
}

TInplaceEdit::~TInplaceEdit() {
  if (grid_ && grid_->inplaceEdit_ == this) grid_->inplaceEdit_ = nullptr;
  if (grid_ && grid_->spareEdit_ == this) grid_->spareEdit_ = nullptr;
}

// Lines end with CR LF in the text, as positions count them.
int TInplaceEdit::CaretLine() const {
  const AnsiString before = GetEditText().substr(0, static_cast<std::size_t>(GetSelStart()));
  return static_cast<int>(std::count(before.begin(), before.end(), '\n'));
}

bool TInplaceEdit::CaretOnLastLine() const {
  const AnsiString text = GetEditText();
  return text.find('\n', static_cast<std::size_t>(GetSelStart())) == AnsiString::npos;
}

bool TInplaceEdit::MultiLineKey(WORD Key, TShiftState Shift) {
  if (!multiLine_ || Shift.Contains(ssAlt)) return false;
  if (Key == VK_RETURN && Shift.Contains(ssCtrl)) {
    SetSelText("\r\n");
    lineBreakTyped_ = true;
    return true;
  }
  if (Shift.Contains(ssCtrl)) return false;
  return (Key == VK_UP && CaretLine() > 0) || (Key == VK_DOWN && !CaretOnLastLine());
}

void TInplaceEdit::UpdateContents() {
  loading_ = true;
  int col = grid_->GetCol(), row = grid_->GetRow();
  const AnsiString mask = grid_->GetEditMask(col, row);
  if (mask != GetEditMask()) SetEditMask(mask);
  SetMaxLength(grid_->GetEditLimit());
  original_ = grid_->GetEditText(col, row);
  SetText(original_);
  SelectAll();
  loading_ = false;
}

void TInplaceEdit::Move(const TRect& cell) {
  if (cell.Width() <= 0 || cell.Height() <= 0) {
    Hide();
    return;
  }
  SetBounds(cell.Left, cell.Top, cell.Width(), cell.Height());
  Show();
  BoundsChanged();
}

void TInplaceEdit::Revert() {
  SetText(original_);
  SelectAll();
}

void TInplaceEdit::Deselect() { SetSelStart(static_cast<int>(GetEditText().size())); }

void TInplaceEdit::TypeChar(char c) {
  TWMChar message{WM_CHAR, static_cast<WORD>(static_cast<unsigned char>(c)), 0, 0};
  WMChar(message);
}

void TInplaceEdit::Change() {
  TCustomMaskEdit::Change();
  if (!loading_ && grid_) grid_->UpdateText();
}

// Keys that move between cells go to the grid; the grid's OnKeyDown sees the others too.
void TInplaceEdit::KeyDown(WORD& Key, TShiftState Shift) {
  if (MultiLineKey(Key, Shift)) {
    // Ctrl+Return has typed its line break; Up and Down move the caret in the box.
    if (Key == VK_RETURN) Key = 0;
    if (Key) TCustomMaskEdit::KeyDown(Key, Shift);
    return;
  }
  bool toGrid = false;
  switch (Key) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_ESCAPE: toGrid = true; break;
    case VK_TAB: toGrid = !Shift.Contains(ssAlt); break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_HOME:
    case VK_END: toGrid = Shift.Contains(ssCtrl); break;
    default: break;
  }
  if (grid_ && toGrid) {
    grid_->KeyDown(Key, Shift);
    Key = 0;
    return;
  }
  if (grid_ && grid_->OnKeyDown) grid_->OnKeyDown(grid_, Key, Shift);
  if (Key) TCustomMaskEdit::KeyDown(Key, Shift);
}

void TInplaceEdit::KeyPress(char& Key) {
  if (std::exchange(lineBreakTyped_, false) && (Key == '\r' || Key == '\n')) {
    Key = 0;
    return;
  }
  if (grid_) grid_->KeyPress(Key);
  if (Key == '\r' || Key == '\t' || Key == '\x1B') Key = 0;
  if (Key) TCustomMaskEdit::KeyPress(Key);
}

void TInplaceEdit::KeyUp(WORD& Key, TShiftState Shift) {
  if (grid_ && grid_->OnKeyUp) grid_->OnKeyUp(grid_, Key, Shift);
  if (Key) TCustomMaskEdit::KeyUp(Key, Shift);
}

void TInplaceEdit::WMGetDlgCode(TWMGetDlgCode& Message) {
  TCustomMaskEdit::WMGetDlgCode(Message);
  Message.Result |= DLGC_WANTARROWS | DLGC_WANTALLKEYS;
  if (grid_ && grid_->GetOptions().Contains(goTabs)) Message.Result |= DLGC_WANTTAB;
}

// Leaving for another control than the grid ends the edit.
void TInplaceEdit::DoExit() {
  TCustomMaskEdit::DoExit();
  if (grid_ && !grid_->Focused() && !grid_->GetOptions().Contains(goAlwaysShowEditor))
    grid_->HideEditor();
}
