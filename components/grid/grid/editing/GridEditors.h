// What the grid keeps of its one edit at a time: the editing state, and the editor controls it
// shows over cells for the editor types that are no inplace text edit.
#pragma once

#include "components/grid/core/BaseGridTypes.h"
#include "components/grid/core/ComponentLink.h"
#include "platform/core/text.h"

class TGridButton;
class TGridCheckBox;
class TGridCombo;
class TGridDatePicker;
class TGridEditBtn;
class TGridSpin;
class TGridUnitEditBtn;
class TExtRichEdit;
class TEditLink;
class TWinControl;

struct TGridEditState {
  TEditorType Editor = edNormal;   // chosen when the edit began
  bool Shown = false;              // an editor (inplace edit or control) is shown
  AnsiString Cache;                // the cell's text when the edit began
  char StartKey = 0;               // the character that started the edit by typing
  bool CaretClickPending = false;  // the click that opened the edit places the caret
  int ComboSelection = -1;
  bool Parked = false;  // goEditing switched off for a cell that may not be edited
  // What the control opened with: an unchanged value is not written back (the cell may hold
  // no number, no date, no item of the list).
  AnsiString Opened;
  bool LeaveRefused = false;  // see KeepRefusedEdit
};

// Made once, at the first edit that needs each, and owned by the grid.
struct TGridEditors {
  TGridSpin* Spin = nullptr;
  TGridCombo* Combo = nullptr;
  TGridDatePicker* DatePicker = nullptr;
  TGridEditBtn* EditBtn = nullptr;
  TGridUnitEditBtn* UnitEditBtn = nullptr;
  TGridCheckBox* CheckBox = nullptr;
  TGridButton* Button = nullptr;
  TExtRichEdit* RichEdit = nullptr;
  TWinControl* Shown = nullptr;  // the control of the open edit
  // The edit link of the open edCustom edit; it empties when the link is freed during the
  // edit, which then ends without it.
  TComponentLink<TEditLink> Link;
  bool LinkOpen = false;
};
