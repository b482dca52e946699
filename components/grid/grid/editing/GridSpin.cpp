// TGridSpin: the spin editor's keys and arrows.
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridPrivate.h"
#include "components/grid/grid/editing/GridEditorControls.h"
#include "components/grid/grid/editing/GridEditorEnding.h"

TGridSpin::TGridSpin(TComponent* AOwner) : TGridEditorControl(AOwner) {
  MinValue = 0;
  MaxValue = 100;
  Increment = 1;
  SetBorderStyle(bsNone);
}

void TGridSpin::KeyDown(WORD& Key, TShiftState Shift) {
  if (Key == VK_PRIOR || Key == VK_NEXT || Key == VK_HOME || Key == VK_END) {
    StepKey(Key);
    return;
  }
  if (Key != VK_TAB && Key != VK_RETURN && Key != VK_ESCAPE && Key != VK_UP && Key != VK_DOWN) {
    TEsgSpinEdit::KeyDown(Key, Shift);
    return;
  }
  // The value validated is the one stored: a float spin stores its value formatted.
  if (Key == VK_ESCAPE) {
    SetText(grid_->GetCurrentCell());
  } else if (!grid_->ControlValueAccepted()) {
    ShowRefusedInEdit(this, grid_->GetCurrentCell());
    return;
  }
  grid_->DoneInplaceEdit(Key, Shift);
}

void TGridSpin::KeyPress(char& Key) {
  if (Key == '\r' || Key == '\t') {
    Key = 0;
    return;
  }
  TEsgSpinEdit::KeyPress(Key);
}

namespace {

// The step a key makes within the bounds: one increment while it stays inside, or a bound.
template <typename Value>
Value SteppedBy(WORD Key, Value Current, Value Step, Value Lowest, Value Highest) {
  switch (Key) {
    case VK_PRIOR: return Current + Step <= Highest ? Current + Step : Current;
    case VK_NEXT: return Current - Step >= Lowest ? Current - Step : Current;
    case VK_HOME: return Highest;
    default: return Lowest;  // End
  }
}

}  // namespace

void TGridSpin::StepKey(WORD Key) {
  const bool up = Key == VK_PRIOR || Key == VK_HOME;
  try {
    if (GetSpinType() == sptNormal) {
      SetValue(SteppedBy(Key, GetValue(), Increment, MinValue, MaxValue));
      if (grid_->OnSpinClick)
        grid_->OnSpinClick(this, grid_->GetRealCol(), grid_->GetRow(), GetValue(), up);
    } else if (GetSpinType() == sptFloat) {
      SetFloatValue(
          SteppedBy(Key, GetFloatValue(), IncrementFloat, MinFloatValue, MaxFloatValue));
    }
  } catch (const EConvertError&) {
    // A text that is no number is left for the user to mend.
  }
}

void TGridSpin::UpClick(TObject* Sender) {
  TEsgSpinEdit::UpClick(Sender);
  SpinClicked(true);
}

void TGridSpin::DownClick(TObject* Sender) {
  TEsgSpinEdit::DownClick(Sender);
  SpinClicked(false);
}

void TGridSpin::SpinClicked(bool Up) {
  const int col = grid_->GetRealCol();
  const int row = grid_->GetRow();
  try {
    switch (GetSpinType()) {
      case sptNormal:
        if (grid_->OnSpinClick) grid_->OnSpinClick(this, col, row, GetValue(), Up);
        break;
      case sptFloat:
        if (grid_->OnFloatSpinClick) grid_->OnFloatSpinClick(this, col, row, GetFloatValue(), Up);
        break;
      case sptDate:
        if (grid_->OnDateSpinClick) grid_->OnDateSpinClick(this, col, row, GetDateValue(), Up);
        break;
      case sptTime:
        if (grid_->OnTimeSpinClick) grid_->OnTimeSpinClick(this, col, row, GetTimeValue(), Up);
        break;
    }
  } catch (const EConvertError&) {
    // No value to report: the arrows only beeped.
  }
}
