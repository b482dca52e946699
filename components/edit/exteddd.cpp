#include "components/edit/exteddd.h"

#include "components/edit/ExtEdit.h"

TDragFormatSet& EditDragFormats() {
  static TDragFormatSet formats;
  return formats;
}

void SetRTFAware(bool b) { EditDragFormats().RTFAware = b; }

DWORD StandardEffect(TShiftState Shift) {
  return StandardDropEffect(Shift.Contains(ssCtrl) ? DWORD(MK_CONTROL) : DWORD(0));
}

HRESULT StartTextDoDragDrop(const AnsiString& Text, const AnsiString& RTF, DWORD AllowedEffects,
                            DWORD& Effect) {
  return StartDataDoDragDrop(std::make_shared<TAEDropSource>(),
                             std::make_shared<TSourceDataObject>(Text, RTF), AllowedEffects, Effect);
}

// A read-only or disabled edit shows the mouse that it takes nothing.
void TEditDropTarget::DragMouseMove(TPoint pt, bool& Allow, TDropFormats) {
  Allow = Allow && !edit_->GetReadOnly() && edit_->GetEnabled();
  if (Allow)
    edit_->DrawCaretByCursor(pt);
  else
    edit_->EraseCaret();
}

void TEditDropTarget::DragMouseLeave() { edit_->EraseCaret(); }

void TEditDropTarget::DropText(TPoint pt, const AnsiString& s) {
  if (edit_->DropTextAt(edit_->ScreenToClient(pt), s, (KeyState & MK_CONTROL) != 0)) MarkTaken();
}
