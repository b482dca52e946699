// The windows place their controls in code, at the pixel positions they were designed with.
#pragma once

#include "platform/controls/wincontrol.h"
#include "platform/stdctrls/label.h"

// A control of the form `owner` on `parent` (the form or one of its panels).
template <class T>
T* Place(TComponent* owner, TWinControl* parent, int left, int top, int width, int height) {
  auto* control = new T(owner);
  control->SetParent(parent);
  control->SetBounds(left, top, width, height);
  return control;
}

// A label as large as its caption.
inline TLabel* PlaceLabel(TComponent* owner, TWinControl* parent, int left, int top,
                          const AnsiString& caption) {
  auto* label = new TLabel(owner);
  label->SetParent(parent);
  label->SetCaption(caption);
  label->SetBounds(left, top, label->GetWidth(), label->GetHeight());
  return label;
}
