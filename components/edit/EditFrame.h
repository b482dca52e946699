// The frame the typed edits paint over the platform edit: the sunken 3D border shown on hover
// and focus, the flat look's line under the text (or its soft frame), and the formatting
// rectangle the flat look keeps clear for it. The typed and the masked edit both draw it.
#pragma once

#include "platform/graphics/canvas.h"
#include "platform/stdctrls/edit.h"

// The colour of the edit's parent; its own without one.
TColor EditParentColor(const TControl& Edit);
// Whether the sunken border shows: with FocusBorder while the mouse is over the edit or it
// has the focus (at design time while enabled), always with Border3D.
bool Is3DBorder(const TWinControl& Edit, bool FocusBorder, bool Border3D, bool MouseInside);
// The sunken edge in the 3D state; otherwise the parent's colour over the platform frame.
void DrawControlBorder(TCanvas& Canvas, const TControl& Edit, bool Sunken);
// A 1-pixel line of Color along the bottom from just left of the text; with SoftBorder a
// frame up to just above the text instead.
void DrawFlatLine(TCanvas& Canvas, const TCustomEdit& Edit, TColor Color, bool SoftBorder);
// The formatting rectangle: inset for the flat line, else the whole client area.
void ApplyFlatRect(TCustomEdit& Edit, bool Flat);
