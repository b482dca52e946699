// The spin edit: its values, their bounds, stepping and layout.
#include "components/grid/controls/EsgSpinEdit.h"

#include <algorithm>
#include <cmath>

#include "platform/core/sound.h"

int PosFrom(const AnsiString& Sub, const AnsiString& Text, int Offset) {
  if (Offset < 0 || static_cast<std::size_t>(Offset) > Text.size()) return 0;
  const std::size_t at = Text.find(Sub, static_cast<std::size_t>(Offset));
  return at == AnsiString::npos ? 0 : static_cast<int>(at) + 1;
}

TDateTime IncYear(TDateTime Date, int N) { return IncMonth(Date, 12 * N); }

TEsgSpinEdit::TEsgSpinEdit(TComponent* AOwner) : TCustomMaskEdit(AOwner) {
  button_ = new TEsgSpinButton(this);
  button_->SetBounds(0, 0, 15, 17);
  button_->SetParent(this);
  button_->SetFocusControl(this);
  button_->OnUpClick = [this](TObject* Sender) { UpClick(Sender); };
  button_->OnDownClick = [this](TObject* Sender) { DownClick(Sender); };
  SetText("0");
  Resize();
}

// --- values ---

int TEsgSpinEdit::GetValue() const { return StrToInt(GetText()); }

void TEsgSpinEdit::SetValue(int value) {
  SetText(IntToStr(CheckValue(value)));
  if (!editorEnabled_) SelectAll();
}

double TEsgSpinEdit::GetFloatValue() const { return StrToFloat(GetText()); }

void TEsgSpinEdit::SetFloatValue(double value) {
  SetText(precision_ ? FloatToStrF(value, ffFixed, 15, precision_) : FloatToStr(value));
}

TDateTime TEsgSpinEdit::GetDateValue() const { return StrToDate(GetText()); }

void TEsgSpinEdit::SetDateValue(TDateTime value) {
  dateValue_ = value;
  ShowAtCaret(DateToStr(value));
}

TDateTime TEsgSpinEdit::GetTimeValue() const { return StrToTime(GetText()); }

void TEsgSpinEdit::SetTimeValue(TDateTime value) {
  timeValue_ = value;
  ShowAtCaret(TimeToStr(value));
}

// While loading only the value is kept; Loaded shows it.
void TEsgSpinEdit::ShowAtCaret(const AnsiString& text) {
  if (GetComponentState().Contains(csLoading)) return;
  const int caret = GetSelStart();
  SetText(text);
  SetSelStart(caret);
}

namespace {

template <typename T>
T Bounded(T value, T low, T high) {
  return low == high ? value : std::clamp(value, std::min(low, high), std::max(low, high));
}

}  // namespace

int TEsgSpinEdit::CheckValue(int value) const { return Bounded(value, MinValue, MaxValue); }

double TEsgSpinEdit::CheckFloatValue(double value) const {
  return Bounded(value, MinFloatValue, MaxFloatValue);
}

TDateTime TEsgSpinEdit::CheckDateValue(TDateTime value) const {
  return Bounded(value, MinDateValue, MaxDateValue);
}

void TEsgSpinEdit::Rewrite() {
  try {
    switch (spinType_) {
      case sptNormal:
        SetValue(GetValue());
        break;
      case sptFloat:
        SetFloatValue(GetFloatValue());
        break;
      case sptDate:
        SetDateValue(GetDateValue());
        break;
      case sptTime:
        SetTimeValue(GetTimeValue());
        break;
    }
  } catch (const EConvertError&) {
    // A date or time that does not read shows the one set last; other texts stay.
    if (spinType_ == sptDate) SetDateValue(dateValue_);
    if (spinType_ == sptTime) SetTimeValue(timeValue_);
  }
}

void TEsgSpinEdit::SetSpinType(TEsgSpinType value) {
  spinType_ = value;
  Rewrite();
}

void TEsgSpinEdit::SetPrecision(int value) {
  precision_ = value;
  if (spinType_ == sptFloat) Rewrite();
}

void TEsgSpinEdit::Loaded() {
  TCustomMaskEdit::Loaded();
  if (spinType_ == sptDate) SetDateValue(dateValue_);
  if (spinType_ == sptTime) SetTimeValue(timeValue_);
  SetSpinType(spinType_);
}

void TEsgSpinEdit::KeepInBounds() {
  try {
    switch (spinType_) {
      case sptNormal:
        if (const int v = GetValue(); CheckValue(v) != v) SetValue(v);
        break;
      case sptFloat:
        if (const double v = GetFloatValue(); CheckFloatValue(v) != v)
          SetFloatValue(CheckFloatValue(v));
        break;
      case sptDate:
        if (const TDateTime v = GetDateValue(); CheckDateValue(v) != v)
          SetDateValue(CheckDateValue(v));
        break;
      case sptTime:
        if (const TDateTime v = GetTimeValue(); CheckDateValue(v) != v)
          SetTimeValue(CheckDateValue(v));
        break;
    }
  } catch (const EConvertError&) {
    // The text is left for the user to mend.
  }
}

// --- stepping ---

void TEsgSpinEdit::UpClick(TObject*) { Step(1); }

void TEsgSpinEdit::DownClick(TObject*) { Step(-1); }

void TEsgSpinEdit::Step(int Sign) {
  if (GetReadOnly()) {
    MessageBeep(0);
    return;
  }
  try {
    switch (spinType_) {
      case sptNormal:
        SetValue(GetValue() + Sign * Increment);
        break;
      case sptFloat:
        SetFloatValue(GetFloatValue() + Sign * IncrementFloat);
        break;
      case sptDate:
        StepDate(Sign);
        break;
      case sptTime:
        StepTime(Sign);
        break;
    }
  } catch (const EConvertError&) {
    MessageBeep(0);
  }
}

int TEsgSpinEdit::CaretField(char Separator) const {
  const AnsiString text = GetText();
  const AnsiString sep(1, Separator);
  const int caret = GetSelStart();
  const int first = PosFrom(sep, text, 0);
  if (first == 0 || caret < first) return 0;
  const int second = PosFrom(sep, text, first);
  return second == 0 || caret < second ? 1 : 2;
}

void TEsgSpinEdit::StepDate(int Sign) {
  const TDateTime date = GetDateValue();
  // The parts stand in the order of the locale's short date format.
  const AnsiString format = UpperCase(ShortDateFormat);
  AnsiString order;
  for (char c : format)
    if ((c == 'D' || c == 'M' || c == 'Y') && order.find(c) == AnsiString::npos) order += c;
  const int field = CaretField(DateSeparator);
  const char part = static_cast<std::size_t>(field) < order.size() ? order[field] : "DMY"[field];
  switch (part) {
    case 'D':
      SetDateValue(date + Sign);
      break;
    case 'M':
      SetDateValue(IncMonth(date, Sign));
      break;
    default:
      SetDateValue(IncYear(date, Sign));
      break;
  }
}

void TEsgSpinEdit::StepTime(int Sign) {
  static const double kSeconds[] = {3600, 60, 1};
  const double step = kSeconds[CaretField(TimeSeparator)] / 86400.0;
  // Whole seconds, so that steps never gather rounding errors.
  double seconds = std::round((GetTimeValue() + Sign * step) * 86400.0);
  seconds = std::fmod(std::fmod(seconds, 86400.0) + 86400.0, 86400.0);
  SetTimeValue(seconds / 86400.0);
}

// --- layout ---

int TEsgSpinEdit::GetMinHeight() {
  return EditTextHeight(*GetFont()) + 2 + (GetBorderStyle() == bsSingle ? 4 : 0);
}

void TEsgSpinEdit::SetEditRect() {
  SetFormatRect(Layout().FormatRect(GetFormatRect(), button_->GetWidth(), 2));
}

void TEsgSpinEdit::Resize() {
  const int minHeight = GetMinHeight();
  if (GetHeight() < minHeight) {
    SetHeight(minHeight);  // resizes again and places the arrows then
    return;
  }
  const TRect bounds = Layout().ButtonBounds(button_->GetWidth());
  button_->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
  SetEditRect();
  TCustomMaskEdit::Resize();
}

// A nudge of the width lays the arrows out anew.
void TEsgSpinEdit::NudgeWidth() {
  SetWidth(GetWidth() + 1);
  SetWidth(GetWidth() - 1);
}

void TEsgSpinEdit::SetDirection(TSpinDirection value) {
  button_->SetDirection(value);
  NudgeWidth();
}

void TEsgSpinEdit::SetSpinFlat(bool value) {
  spinFlat_ = value;
  button_->SetFlat(value);
}

void TEsgSpinEdit::SetSpinTransparent(bool value) {
  spinTransparent_ = value;
  button_->SetTransparent(value);
  NudgeWidth();
}
