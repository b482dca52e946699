// TGridEditBtn and TGridUnitEditBtn: the edit-button editors' keys and characters.
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridPrivate.h"
#include "components/grid/grid/editing/CellEditValues.h"
#include "components/grid/grid/editing/GridEditorControls.h"
#include "components/grid/grid/editing/GridEditorEnding.h"
#include "platform/core/sound.h"

namespace {

bool EndsEditBtn(WORD Key) {
  return Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_PRIOR ||
         Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN;
}

// The end of an edit-button editor's edit by Key; false when a refused text keeps it open.
bool EndEditBtn(TExtStringGrid* Grid, WORD Key, const AnsiString& Value,
                const std::function<void(const AnsiString&, bool)>& Show) {
  if (Key == VK_ESCAPE) {
    Show(Grid->GetCurrentCell(), false);
    return true;
  }
  if (Key != VK_RETURN && Key != VK_UP && Key != VK_DOWN) return true;
  return EditorValueAccepted(Grid, Value, Show);
}

// Whether a numeric or float editor takes the character at the caret.
bool TakesNumberChar(TEditorType Type, char Key, const AnsiString& Text, int SelStart,
                     const AnsiString& Selected) {
  if (Key == '\b' || Key == '\t' || Key == '\x1b' || (Key >= '0' && Key <= '9')) return true;
  if (Key == '-')
    return (SelStart == 0 && Pos("-", Text) == 0) || Pos("-", Selected) > 0;
  if (Type == edFloatEditBtn && (Key == '.' || Key == ',')) {
    const bool hasSeparator = Pos(".", Text) > 0 || Pos(",", Text) > 0;
    return !hasSeparator || Pos(".", Selected) > 0 || Pos(",", Selected) > 0;
  }
  return false;
}

}  // namespace

TGridEditBtn::TGridEditBtn(TComponent* AOwner) : TGridEditorControl(AOwner) {
  SetBorderStyle(bsNone);
  OnClickBtn = [this](TObject*) { ButtonClicked(); };
}

void TGridEditBtn::KeyDown(WORD& Key, TShiftState Shift) {
  if (!EndsEditBtn(Key) || Shift.Contains(ssCtrl)) {
    TEsgEditBtn::KeyDown(Key, Shift);
    return;
  }
  if (!EndEditBtn(grid_, Key, GetText(), [this](const AnsiString& cell, bool refused) {
        if (refused)
          ShowRefusedInEdit(this, cell);
        else
          SetText(cell);
      }))
    return;
  grid_->DoneInplaceEdit(Key, Shift);
}

void TGridEditBtn::WMChar(TWMChar& Message) {
  const char key = static_cast<char>(Message.CharCode);
  if (key == '\r') return;
  const TEditorType type = grid_->GetEditorType();
  if (type == edNumericEditBtn || type == edFloatEditBtn) {
    const AnsiString text = GetText();
    const AnsiString selected = text.substr(std::min<size_t>(GetSelStart(), text.size()), GetSelLength());
    if (!TakesNumberChar(type, key, text, GetSelStart(), selected)) {
      MessageBeep(0);
      return;
    }
  }
  TEsgEditBtn::WMChar(Message);
}

void TGridEditBtn::ButtonClicked() {
  SetText(grid_->EllipsClick(GetText()));
  SelectAll();
  Invalidate();
}

TGridUnitEditBtn::TGridUnitEditBtn(TComponent* AOwner) : TGridEditorControl(AOwner) {
  SetBorderStyle(bsNone);
}

void TGridUnitEditBtn::KeyDown(WORD& Key, TShiftState Shift) {
  if (!EndsEditBtn(Key)) {
    TEsgUnitEditBtn::KeyDown(Key, Shift);
    return;
  }
  // The cell holds the number with its unit; the control shows the number.
  if (!EndEditBtn(grid_, Key, GetText() + GetUnitID(), [this](const AnsiString& cell, bool) {
        AnsiString number, unit;
        SplitUnit(cell, number, unit);
        SetText(number);
      }))
    return;
  grid_->DoneInplaceEdit(Key, Shift);
}

void TGridUnitEditBtn::WMChar(TWMChar& Message) {
  if (Message.CharCode != '\r') TEsgUnitEditBtn::WMChar(Message);
}
