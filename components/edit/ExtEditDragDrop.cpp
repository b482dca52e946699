// Drag and drop of text: the selection dragged out of the edit, text dropped at the character
// under the mouse with a drop caret that follows it. A drop obeys what a paste obeys.
#include <algorithm>

#include "components/edit/ExtEdit.h"
#include "components/edit/exteddd.h"
#include "platform/graphics/canvas.h"

namespace {
AnsiString FirstLine(const AnsiString& text) {
  AnsiString line = text.substr(0, text.find('\r'));
  return line.substr(0, line.find('\n'));
}
}  // namespace

void TExtEdit::SetOleDropTarget(bool Value) {
  oleDropTarget_ = Value;
  if (GetComponentState().Contains(csDesigning)) return;
  if (Value && !registered_)
    registered_ = RegisterDragDrop(this, std::make_shared<TEditDropTarget>(this)) == S_OK;
  else if (!Value && registered_)
    registered_ = RevokeDragDrop(this) != S_OK;
}

// Drops land between the Prefix and the Suffix.
int TExtEdit::ValueCharAt(TPoint ClientPoint) const {
  return std::clamp(CharFromPos(ClientPoint), PrefixLength(), ValueEnd());
}

void TExtEdit::InvalidateCaret(TPoint) { Invalidate(); }

void TExtEdit::DrawCaretByCursor(TPoint ScreenPoint) {
  const TPoint place = PosFromChar(ValueCharAt(ScreenToClient(ScreenPoint)));
  if (place.x == dropCaret_.x && place.y == dropCaret_.y) return;
  InvalidateCaret(dropCaret_);
  dropCaret_ = place;
  InvalidateCaret(dropCaret_);
}

void TExtEdit::EraseCaret() {
  if (dropCaret_.x < 0) return;
  InvalidateCaret(dropCaret_);
  dropCaret_ = TPoint(-1, -1);
}

void TExtEdit::SetCaretByCursor(TPoint ScreenPoint) {
  SetSelStart(ValueCharAt(ScreenToClient(ScreenPoint)));
  SetSelLength(0);
}

int TExtEdit::GetTextSize() const {
  TCanvas canvas;
  canvas.Font->Assign(*GetFont());
  return canvas.TextWidth(GetText());
}

// The drop position is taken before a move deletes the dragged text, and a refused text
// leaves the edit as it was. An empty line inserts nothing, so it is no drop: the source must
// not delete what nobody received.
bool TExtEdit::DropTextAt(TPoint ClientPoint, const AnsiString& Text, bool Ctrl) {
  EraseCaret();
  if (GetReadOnly() || !GetEnabled()) return false;
  const AnsiString line = FirstLine(Text);
  if (line.empty()) return false;
  int index = ValueCharAt(ClientPoint);
  const int selStart = GetSelStart(), selLength = GetSelLength();
  if (dragging_ && index >= selStart && index <= selStart + selLength) return false;
  const AnsiString before = TCustomEdit::GetText();
  const bool wasModified = GetModified();
  droppedOnSelf_ = dragging_;
  if (dragging_ && !Ctrl) {
    // A selection reaching into the Prefix or Suffix moves only its value characters.
    const int removedStart = PrefixLength() + ValueSelStart();
    const int removed = ValueSelLength();
    WriteValue(PasteInsert(""));
    if (index > removedStart) index -= removed;
  }
  SetSelStart(index);
  SetSelLength(0);
  if (!InsertChecked(line)) {
    TCustomEdit::SetText(before);
    SetModified(wasModified);
    SetSelStart(selStart);
    SetSelLength(selLength);
    return false;
  }
  Invalidate();
  UpdateLookup();
  return true;
}

// A password leaves by no way, drag included, as it does not by copy and cut.
bool TExtEdit::CanDragOut() const {
  return oleDropSource_ && editType_ != etPassword && GetSelLength() > 0;
}

bool TExtEdit::PressOnSelection(const TWMMouse& Message) const {
  if (!CanDragOut() || !Focused()) return false;
  const int index = CharFromPos(TPoint(Message.XPos, Message.YPos));
  return index >= GetSelStart() && index <= GetSelStart() + GetSelLength();
}

void TExtEdit::WMMouseMove(TWMMouse& Message) {
  if (dragPending_ && CanDragOut()) return DragSelection();
  TCustomEdit::WMMouseMove(Message);
}

// The dragged text leaves only when another target moved it (a move within the edit took it
// already, and what is selected after it is the dropped text); a read-only edit offers a copy.
void TExtEdit::DragSelection() {
  dragPending_ = false;
  const DWORD allowed = GetReadOnly() ? DROPEFFECT_COPY : DROPEFFECT_COPY | DROPEFFECT_MOVE;
  DWORD effect = DROPEFFECT_NONE;
  dragging_ = true;
  droppedOnSelf_ = false;
  const HRESULT result = StartTextDoDragDrop(SelectedValue(), "", allowed, effect);
  dragging_ = false;
  const bool moved = result == DRAGDROP_S_DROP && effect == DROPEFFECT_MOVE && !droppedOnSelf_;
  if (moved && ValueSelLength() > 0) {
    const int start = PrefixLength() + ValueSelStart();
    WriteValue(PasteInsert(""));
    SetModified(true);
    SetSelStart(start);
  }
  EraseCaret();
  Invalidate();
}
