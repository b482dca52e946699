// TExtStringGrid: the editor controls shown over a cell for the editor types that are no
// inplace text edit, filled from the cell and written back when they hide.
#include <cmath>

#include "components/grid/controls/EsgCombo.h"
#include "components/grid/controls/EsgEditBtn.h"
#include "components/grid/controls/EsgSpinEdit.h"
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridPrivate.h"
#include "components/grid/grid/editing/CellEditValues.h"
#include "components/grid/grid/editing/EditLink.h"
#include "components/grid/grid/editing/GridEditorMade.h"
#include "components/grid/grid/editing/GridEditors.h"
#include "components/grid/grid/paint/Painting.h"
#include "platform/stdctrls/button.h"
#include "platform/stdctrls/checkbox.h"

namespace {

bool IsSpin(TEditorType Type) {
  return Type == edSpinEdit || Type == edFloatSpinEdit || Type == edTimeSpinEdit ||
         Type == edDateSpinEdit;
}
bool IsDate(TEditorType Type) {
  return Type == edDateEdit || Type == edDateEditUpDown || Type == edTimeEdit;
}
bool IsCombo(TEditorType Type) { return Type == edComboEdit || Type == edComboList; }
bool IsEditBtn(TEditorType Type) {
  return Type == edEditBtn || Type == edNumericEditBtn || Type == edFloatEditBtn;
}

// A number the cell does not hold opens the spin on its lowest value.
template <typename Value, typename Read>
Value SpinStart(Read read, Value Lowest) {
  try {
    return read();
  } catch (const Exception&) {
    return Lowest;
  }
}

}  // namespace

void TExtStringGrid::ShowEditControl(int ACol, int ARow) {
  d_->edit->Shown = true;
  d_->edit->LeaveRefused = false;
  const TRect r = CellRect(ACol, ARow);
  const int realCol = RemapCol(ACol);
  const AnsiString text = GetEditText(ACol, ARow);
  TCanvas* canvas = Painting(*this).CanvasInCellFont(ACol, ARow, false);
  TWinControl* control = nullptr;
  const TEditorType type = d_->edit->Editor;
  if (IsSpin(type)) {
    TEsgSpinEdit* spin = MadeEditor(d_->editors->Spin, this);
    if (type == edSpinEdit) {
      spin->SetSpinType(sptNormal);
      spin->SetValue(
          SpinStart([&] { return GetInts(realCol, ARow); }, spin->CheckValue(0)));
    } else if (type == edFloatSpinEdit) {
      spin->SetSpinType(sptFloat);
      spin->SetFloatValue(SpinStart([&] { return GetFloats(realCol, ARow); },
                                    spin->CheckFloatValue(0)));
    } else if (type == edTimeSpinEdit) {
      spin->SetSpinType(sptTime);
      spin->SetText(GetCellEx(realCol, ARow));
    } else {
      spin->SetDateValue(SpinStart([&] { return GetDates(realCol, ARow); },
                                   spin->CheckDateValue(Date())));
      spin->SetSpinType(sptDate);
    }
    control = spin;
  } else if (IsCombo(type)) {
    TESGComboBox* combo = MadeEditor(d_->editors->Combo, this);
    combo->SetDroppedDown(false);
    combo->SetStyle(type == edComboList ? csDropDownList : csDropDown);
    combo->SetFlat(Look == glSoft || Look == glOrvik);
    combo->SetEtched(Look == glSoft || Look == glOrvik);
    if (type == edComboList) {
      combo->SetDropDownCount(8);
      int index = combo->GetItems()->IndexOf(text);
      // A text the list does not hold stays in the cell unless the user picks an item.
      if (index < 0) index = d_->edit->ComboSelection < 0 ? 0 : d_->edit->ComboSelection;
      combo->SetItemIndex(index);
    } else {
      combo->SetText(text);
    }
    control = combo;
  } else if (IsDate(type)) {
    TGridDatePicker* picker = MadeEditor(d_->editors->DatePicker, this);
    picker->SetKind(type == edTimeEdit ? dtkTime : dtkDate);
    picker->SetDateMode(type == edDateEditUpDown ? dmUpDown : dmComboBox);
    if (type == edTimeEdit)
      picker->SetDateTime(SpinStart([&] { return GetTimes(realCol, ARow); }, 0.0));
    else
      picker->SetDateTime(
          SpinStart([&] { return GetDates(realCol, ARow); }, Date()));
    control = picker;
  } else if (IsEditBtn(type)) {
    TEsgEditBtn* edit = MadeEditor(d_->editors->EditBtn, this);
    edit->SetText(text);
    edit->SetMaxLength(GetEditLimit());
    control = edit;
  } else if (type == edUnitEditBtn) {
    TEsgUnitEditBtn* edit = MadeEditor(d_->editors->UnitEditBtn, this);
    AnsiString number, unit;
    SplitUnit(text, number, unit);
    edit->SetUnitID(unit);
    edit->SetText(number);
    control = edit;
  } else if (type == edCheckBox) {
    TCheckBox* box = MadeEditor(d_->editors->CheckBox, this);
    box->SetCaption(text);
    box->SetChecked(false);
    control = box;
  } else if (type == edButton) {
    TButton* button = MadeEditor(d_->editors->Button, this);
    button->SetCaption(text);
    control = button;
  } else if (type == edRichEdit) {
    TExtRichEdit* rich = MadeEditor(d_->editors->RichEdit, this);
    rich->SetBorderStyle(bsNone);
    rich->SetHideSelection(false);
    rich->Lock();  // filling it is no typing that grows the row
    CellToRich(realCol, ARow, *rich);
    rich->SelectAll();
    control = rich;
  }
  if (type == edCustom) {
    if (TEditLink* link = GetCellEditLink(ACol, ARow)) {
      EditActive = true;
      EditControlShown = true;
      d_->editors->Link = link;
      d_->editors->LinkOpen = true;
      link->Open(this, ACol, ARow, canvas->Brush->GetColor(), canvas->Font, text,
                 d_->edit->StartKey);
      d_->edit->StartKey = 0;
      return;
    }
  }
  // A custom cell without an edit link shows nothing; no edit is then open.
  if (!control) {
    d_->edit->Shown = false;
    EditActive = false;
    return;
  }
  EditActive = true;
  EditControlShown = true;
  d_->editors->Shown = control;
  control->SetBounds(r.Left, r.Top, r.Width() - 1, r.Height() - 1);
  control->SetColor(canvas->Brush->GetColor());
  control->SetFont(canvas->Font);
  control->SetEnabled(true);
  control->SetVisible(true);
  control->BringToFront();
  d_->edit->Opened = control->GetText();
  if (type == edRichEdit) {
    d_->editors->RichEdit->SetFormatRect(TRect(2, 2, r.Width() - 2, r.Height() - 2));
    d_->editors->RichEdit->Unlock();
  }
  if (control->CanFocus()) control->SetFocus();
  if (IsCombo(type)) {
    d_->editors->Combo->SizeDropDownWidth();
    d_->editors->Combo->SetDroppedDown(MouseActions.DirectComboDrop);
  }
  if (d_->edit->StartKey)
    PostMessage(control, WM_CHAR, static_cast<unsigned char>(d_->edit->StartKey), 0);
  d_->edit->StartKey = 0;
}

void TExtStringGrid::HideEditControl(int ACol, int ARow) {
  EditControlShown = false;
  d_->edit->LeaveRefused = false;
  d_->edit->StartKey = 0;
  if (d_->editors->LinkOpen) {
    TEditLink* link = d_->editors->Link;
    d_->editors->Link = nullptr;
    d_->editors->LinkOpen = false;
    EditActive = false;
    if (link) link->Close();
    if (CanFocus()) SetFocus();
    DoneEditing();
    return;
  }
  TWinControl* control = d_->editors->Shown;
  if (control) WriteControlValue(ACol, ARow);
  d_->editors->Shown = nullptr;
  if (control) {
    const bool hadFocus = control->Focused();
    // Hiding moves the focus; the control's exit then finds no edit left to end.
    EditActive = false;
    control->SetEnabled(false);
    control->SetVisible(false);
    if (hadFocus && CanFocus()) SetFocus();
  }
  DoneEditing();
}

// Only a value the user changed is written: an untouched control leaves the cell's text as it
// was, whether the control could read it or not.
bool TExtStringGrid::WriteControlValue(int ACol, int ARow) {
  TWinControl* control = d_->editors->Shown;
  const TEditorType type = d_->edit->Editor;
  const int realCol = RemapCol(ACol);
  const bool write =
      control && control->GetText() != d_->edit->Opened && (!IsCombo(type) || EditActive);
  if (write && IsSpin(type)) {
    TEsgSpinEdit* spin = d_->editors->Spin;
    if (type == edFloatSpinEdit)
      SetFloats(realCol, ARow, spin->GetFloatValue());
    else if (type == edDateSpinEdit)
      SetDates(realCol, ARow, spin->GetDateValue());
    else
      SetCellEx(realCol, ARow, spin->GetText());
  } else if (write && IsDate(type)) {
    const TDateTime value = d_->editors->DatePicker->GetDateTime();
    if (type == edTimeEdit)
      SetTimes(realCol, ARow, value - std::floor(value));
    else
      SetDates(realCol, ARow, std::floor(value));
  } else if (write && type == edUnitEditBtn) {
    SetCellEx(realCol, ARow, control->GetText() + d_->editors->UnitEditBtn->GetUnitID());
  } else if (write && (IsCombo(type) || IsEditBtn(type))) {
    SetCellEx(realCol, ARow, control->GetText());
  } else if (type == edRichEdit && control && d_->editors->RichEdit->GetModified()) {
    // Only an edited text: a plain cell left untouched stays plain text.
    RichToCell(realCol, ARow, *d_->editors->RichEdit);
    return true;
  }
  return write && type != edCheckBox && type != edButton;
}

// The value an editor control would write goes through the validation before any key or
// click ends its edit; a refused one puts the cell's text back into the control.
bool TExtStringGrid::ControlValueAccepted() {
  TWinControl* control = d_->editors->Shown;
  if (!control || !EditActive || !WriteControlValue(GetCol(), GetRow())) return true;
  if (ValidateCell(GetCurrentCell())) return true;
  ReloadControl();
  return false;
}

void TExtStringGrid::ReloadControl() {
  const TEditorType type = d_->edit->Editor;
  const AnsiString cell = GetCurrentCell();
  if (type == edUnitEditBtn) {
    AnsiString number, unit;
    SplitUnit(cell, number, unit);
    d_->editors->UnitEditBtn->SetText(number);
  } else if (IsDate(type)) {
    bool converted = true;
    d_->editors->DatePicker->SetDateTime(PickerValue(cell, type == edTimeEdit, converted));
  } else if (type == edComboList) {
    d_->editors->Combo->SetItemIndex(d_->editors->Combo->GetItems()->IndexOf(cell));
  } else if (type == edRichEdit) {
    d_->editors->RichEdit->Lock();
    CellToRich(RemapCol(GetCol()), GetRow(), *d_->editors->RichEdit);
    d_->editors->RichEdit->SetModified(false);
    d_->editors->RichEdit->Unlock();
  } else {
    d_->editors->Shown->SetText(cell);
  }
  // What the control shows now is the cell's own text: nothing to write back.
  d_->edit->Opened = d_->editors->Shown->GetText();
}
