// The dialog is laid out in dialog units of the form's font, so it grows with the font.
#include "components/edit/ExtInputQuery.h"

#include <memory>

#include "platform/controls/application.h"
#include "platform/controls/forms.h"
#include "platform/graphics/canvas.h"
#include "platform/stdctrls/button.h"

namespace {

// The average character of a font: the extent of the 52 letters, the width per letter.
TPoint GetAveCharSize(const TFont& Font) {
  TCanvas canvas;
  canvas.Font->Assign(Font);
  AnsiString letters;
  for (char c = 'A'; c <= 'Z'; ++c) letters += c;
  for (char c = 'a'; c <= 'z'; ++c) letters += c;
  const TSize size = canvas.TextExtent(letters);
  return TPoint(size.cx / 52, size.cy);
}

TButton* NewButton(TForm* Form, const AnsiString& Caption, int Result, int Left, int Top, int Width,
                   int Height) {
  auto* button = new TButton(Form);
  button->SetParent(Form);
  button->SetCaption(Caption);
  button->ModalResult = Result;
  button->SetBounds(Left, Top, Width, Height);
  return button;
}

void ApplyParams(TExtEdit* Edit, const TQueryParams& Params) {
  Edit->SetPrefix(Params.Prefix);
  Edit->SetSuffix(Params.Suffix);
  Edit->SetPrecision(Params.Precision);
  Edit->LengthLimit = Params.LengthLimit;
  Edit->SetFlat(Params.Flat);
  // The flat line stands below the text: the edit moves down to keep it clear of the prompt.
  if (Params.Flat) Edit->SetTop(Edit->GetTop() + 4);
}

}  // namespace

bool ExtInputQuery(TExtEditType EditType, const TQueryParams* Params, const AnsiString& Caption,
                   const AnsiString& Prompt, AnsiString& Value) {
  std::unique_ptr<TForm> form(new TForm(Application));
  const TPoint unit = GetAveCharSize(*form->GetFont());
  const int x = unit.x, y = unit.y;
  form->SetBorderStyle(bsDialog);
  form->SetCaption(Caption);
  form->SetClientWidth(MulDiv(180, x, 4));
  form->SetClientHeight(MulDiv(63, y, 8));
  form->SetPosition(poScreenCenter);

  auto* prompt = new TLabel(form.get());
  prompt->SetParent(form.get());
  prompt->SetAutoSize(true);
  prompt->SetCaption(Prompt);
  prompt->SetLeft(MulDiv(8, x, 4));
  prompt->SetTop(MulDiv(8, y, 8));

  auto* edit = new TExtEdit(form.get());
  edit->SetParent(form.get());
  edit->SetBounds(prompt->GetLeft(), MulDiv(19, y, 8), MulDiv(164, x, 4), edit->GetHeight());
  edit->SetMaxLength(255);
  edit->SetText(Value);
  edit->SelectAll();
  edit->SetEditType(EditType);
  if (Params) ApplyParams(edit, *Params);

  const int top = MulDiv(41, y, 8), width = MulDiv(50, x, 4), height = MulDiv(14, y, 8);
  NewButton(form.get(), "OK", mrOk, MulDiv(38, x, 4), top, width, height)->SetDefault(true);
  NewButton(form.get(), "Abbrechen", mrCancel, MulDiv(92, x, 4), top, width, height)->Cancel = true;

  if (form->ShowModal() != mrOk) return false;
  Value = edit->GetText();
  return true;
}
