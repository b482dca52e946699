// What the grid's editor controls share: the end of an edit by a key, and the value a
// validated key stores before the edit may end.
#pragma once

#include <functional>

#include "platform/core/text.h"
#include "platform/controls/wincontrol.h"

class TExtStringGrid;

// The grid an editor control is made for: its owner.
TExtStringGrid* EditorGrid(TComponent* AOwner);

// Stores Value in the current cell and asks the grid to validate it. Show gets the cell's text
// afterwards, and whether it was refused (the edit then stays open).
bool EditorValueAccepted(TExtStringGrid* Grid, const AnsiString& Value,
                         const std::function<void(const AnsiString& CellText, bool Refused)>& Show);

// A refused text in a text control: the cell's text, the caret at its end.
void ShowRefusedInEdit(TWinControl* Control, const AnsiString& CellText);

// Tab is the control's when the grid takes Tab.
void WantTabWithGrid(TExtStringGrid* Grid, TCMWantSpecialKey& Message);

// The exit of a control: the edit ends (once; a second call finds none open).
void EditorLeft(TExtStringGrid* Grid);
