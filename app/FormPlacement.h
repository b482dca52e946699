// The windows place their controls in code, at the pixel positions they were designed with.
#pragma once

#include <cstddef>

#include "app/FormEvents.h"
#include "platform/controls/forms.h"
#include "platform/controls/wincontrol.h"
#include "platform/stdctrls/button.h"
#include "platform/stdctrls/label.h"

// The designed frame every window starts from: its caption, its outer size and the font the
// windows were laid out in.
inline void ShapeForm(TForm* form, const AnsiString& caption, int width, int height) {
  form->SetCaption(caption);
  form->SetBounds(form->GetLeft(), form->GetTop(), width, height);
  form->GetFont()->SetName("MS Sans Serif");
  form->GetFont()->SetSize(8);
}

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

inline constexpr int kButtonHeight = 25;  // every window's buttons

// A button of `form` on `parent` whose click runs the form's method (none without one).
template <class F>
TButton* PlaceButton(F* form, TWinControl* parent, int left, int top, int width,
                     const AnsiString& caption, void (F::*click)(TObject*) = nullptr) {
  auto* button = Place<TButton>(form, parent, left, top, width, kButtonHeight);
  button->SetCaption(caption);
  if (click) button->OnClick = MethodEvent(form, click);
  return button;
}

// Where one of a row of buttons of form F stands, its caption, the form's member it is kept in
// and the method its click runs.
template <class F>
struct ButtonPlace {
  TButton* F::*button;
  int left, top, width;
  const char* caption;
  void (F::*click)(TObject*);
};

// The buttons at their places on `parent`, each kept in its member.
template <class F, std::size_t N>
void PlaceButtonList(F* form, TWinControl* parent, const ButtonPlace<F> (&places)[N]) {
  for (const ButtonPlace<F>& place : places)
    form->*place.button =
        PlaceButton(form, parent, place.left, place.top, place.width, place.caption, place.click);
}
