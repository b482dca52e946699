#include "components/grid/grid/dragdrop/esgdd.h"
#include "components/grid/grid/ExtGridPrivate.h"

#include "components/grid/controls/ArrowWindow.h"
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/controls/PopupButton.h"

namespace Esgdd {

TDragFormatSet& Formats() {
  static TDragFormatSet formats{false, 0, 0, "Grid Column", true};
  return formats;
}

void SetRTFAware(bool b) { Formats().RTFAware = b; }

DWORD StandardEffect(TShiftState Shift) {
  return StandardDropEffect(Shift.Contains(ssCtrl) ? DWORD(MK_CONTROL) : DWORD(0));
}

HRESULT StartTextDoDragDrop(std::shared_ptr<TESGDropSource> Source, const AnsiString& Text,
                            const AnsiString& RTF, DWORD AllowedEffects, DWORD& Effect) {
  return StartDataDoDragDrop(std::move(Source), std::make_shared<TSourceDataObject>(Text, RTF, -1),
                             AllowedEffects, Effect);
}

HRESULT StartColDoDragDrop(std::shared_ptr<TESGDropSource> Source, int Col, DWORD AllowedEffects,
                           DWORD& Effect) {
  return StartDataDoDragDrop(std::move(Source), std::make_shared<TSourceDataObject>("", "", Col),
                             AllowedEffects, Effect);
}

}  // namespace Esgdd

TArrowWindow* TGridOleState::Arrow(int Direction) {
  TArrowWindow*& arrow = arrows_[Direction];
  if (!arrow) {
    arrow = new TArrowWindow(grid_, static_cast<TArrowDirection>(Direction));
    arrow->SetColor(arrowColor_);
  }
  return arrow;
}

void TGridOleState::ShowArrow(int Direction, TPoint ClientAt) {
  TArrowWindow* arrow = Arrow(Direction);
  const TPoint at = grid_->ClientToScreen(ClientAt);
  arrow->SetBounds(at.x, at.y, arrow->GetWidth(), arrow->GetHeight());
  arrow->SetVisible(true);
}

void TGridOleState::SetArrowColor(TColor Value) {
  arrowColor_ = Value;
  for (TArrowWindow* arrow : arrows_)
    if (arrow) arrow->SetColor(Value);
}

TPopupButton* TGridOleState::ColumnButton() {
  if (!button_) {
    button_ = new TPopupButton(grid_);
    button_->SetVisible(false);
  }
  return button_;
}

void TGridOleState::HideArrows() {
  for (TArrowWindow* arrow : arrows_)
    if (arrow) arrow->SetVisible(false);
}

void TGridOleState::HideAll() {
  HideArrows();
  if (button_) button_->SetVisible(false);
}

void TGridDropSource::CurrentEffect(DWORD effect) {
  if (effect == DROPEFFECT_MOVE || effect == DROPEFFECT_COPY) lastEffect_ = effect;
}

void TGridDropSource::QueryDrag() {
  TPopupButton* button = grid_->OleState().ColumnButton();
  if (!button->GetVisible()) return;
  const TPoint at = GetCursorPos();
  button->SetBounds(at.x, at.y - button->GetHeight(), button->GetWidth(), button->GetHeight());
}
