// The edit-button whose button chooses a unit.
#include "components/grid/controls/EsgEditBtn.h"
#include "platform/controls/menus.h"
#include "platform/controls/paint_over.h"
#include "platform/winapi/drawtext.h"

TEsgUnitEditBtn::TEsgUnitEditBtn(TComponent* AOwner)
    : TEsgEditBtn(AOwner),
      units_(std::make_unique<TStringList>()),
      unitPainter_(std::make_unique<TPaintOver>(this, [this](TCanvas* c) { PaintUnit(c); })) {}

TEsgUnitEditBtn::~TEsgUnitEditBtn() = default;

void TEsgUnitEditBtn::SetUnits(const TStrings* value) {
  if (value)
    units_->Assign(*value);
  else
    units_->Clear();
}

void TEsgUnitEditBtn::SetUnitID(const AnsiString& value) {
  unitID_ = value;
  unitPainter_->Invalidate();
}

void TEsgUnitEditBtn::SetUnitSize(int value) {
  unitWidth_ = value;
  SetEditRect();
  unitPainter_->Invalidate();
}

void TEsgUnitEditBtn::BtnClick() {
  TPopupMenu menu(nullptr);
  for (int i = 0; i < units_->Count(); ++i) {
    auto* item = new TMenuItem(nullptr);  // the menu's items free it
    const AnsiString unit = units_->Strings(i);
    item->SetCaption(unit);
    item->OnClick = [this, unit](TObject*) { SetUnitID(unit); };
    menu.GetItems()->Add(item);
  }
  const TPoint at = ClientToScreen(TPoint(GetClientRect().Right - 15, GetClientRect().Bottom));
  menu.Popup(at.x, at.y);
}

void TEsgUnitEditBtn::PaintUnit(TCanvas* Canvas) {
  if (unitID_.empty()) return;
  const TButtonEditLayout layout = Layout();
  const int left = layout.Frame() + layout.ClientWidth() - GetButtonWidth() - 3 - unitWidth_;
  TRect rect(left, layout.Frame() + 2, left + unitWidth_, layout.Frame() + layout.ClientHeight());
  Canvas->Font->Assign(*GetFont());
  Canvas->Brush->SetStyle(bsClear);
  DrawText(Canvas->GetHandle(), unitID_.c_str(), -1, &rect, DT_RIGHT | DT_EDITCONTROL);
}
