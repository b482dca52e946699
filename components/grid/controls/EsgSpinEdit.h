// The spin edit: a masked edit with a pair of arrows that steps an integer, a float, a date or a
// time (at the part of the date or time the caret stands in), keeps integers within their bounds,
// and beeps at input it refuses. The grid's spin editor stands on it.
#pragma once

#include <memory>

#include "components/grid/controls/ButtonEditLayout.h"
#include "platform/controls/timer.h"
#include "platform/core/datetime.h"
#include "platform/core/set.h"
#include "platform/stdctrls/maskedit.h"
#include "platform/stdctrls/speedbutton.h"

// --- the arrows -------------------------------------------------------------------------------

enum TTimeBtnStateItem { tbFocusRect, tbAllowTimer };
using TTimeBtnState = Set<TTimeBtnStateItem>;
enum TSpinArrow { saUp, saDown };
enum TSpinDirection { spVertical, spHorizontal };

// An arrow button that, with tbAllowTimer, steps once when pressed and then again and again
// while it is held: first after 400 ms, then every 100 ms.
class TExtTimerSpeedButton : public TSpeedButton {
 public:
  static constexpr int kInitRepeatPause = 400;
  static constexpr int kRepeatPause = 100;

  explicit TExtTimerSpeedButton(TComponent* AOwner);

  TTimeBtnState GetTimeBtnState() const { return timeBtnState_; }
  void SetTimeBtnState(TTimeBtnState value);
  // Which arrow it shows, and whether it lies in a horizontal pair.
  TSpinArrow Arrow = saUp;
  bool Horizontal = false;
  bool GetIsWinXP() const { return isWinXP_; }
  void SetIsWinXP(bool value);
  bool GetTransparent() const { return transparent_; }
  void SetTransparent(bool value);
  // Made at the first press.
  TTimer* GetRepeatTimer() const { return repeatTimer_; }

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  void TimerExpired();
  void RepaintParent();

  TTimeBtnState timeBtnState_;
  TTimer* repeatTimer_ = nullptr;
  bool isWinXP_ = false;
  bool transparent_ = false;
};

// The pair of arrows: up and down (or, horizontal, right and left) halves of the control.
// It takes the arrow keys; Up, Down and Space click an arrow.
class TEsgSpinButton : public TCustomControl {
 public:
  explicit TEsgSpinButton(TComponent* AOwner);

  TExtTimerSpeedButton* GetUpButton() const { return upButton_; }
  TExtTimerSpeedButton* GetDownButton() const { return downButton_; }
  // The arrow Space clicks: the one pressed last.
  TExtTimerSpeedButton* GetFocusBtn() const { return focusButton_; }
  TSpinDirection GetDirection() const { return direction_; }
  void SetDirection(TSpinDirection value);
  TWinControl* GetFocusControl() const { return focusControl_; }
  void SetFocusControl(TWinControl* value);
  TBitmap* GetUpGlyph() const { return upButton_->GetGlyph(); }
  void SetUpGlyph(const TBitmap* value) { upButton_->SetGlyph(value); }
  TBitmap* GetDownGlyph() const { return downButton_->GetGlyph(); }
  void SetDownGlyph(const TBitmap* value) { downButton_->SetGlyph(value); }
  int GetUpNumGlyphs() const { return upButton_->GetNumGlyphs(); }
  void SetUpNumGlyphs(int value) { upButton_->SetNumGlyphs(value); }
  int GetDownNumGlyphs() const { return downButton_->GetNumGlyphs(); }
  void SetDownNumGlyphs(int value) { downButton_->SetNumGlyphs(value); }
  bool GetIsWinXP() const { return upButton_->GetIsWinXP(); }
  void SetIsWinXP(bool value);
  void SetFlat(bool value);
  void SetTransparent(bool value);

  TNotifyEvent OnUpClick;
  TNotifyEvent OnDownClick;

 protected:
  void Resize() override;
  void WMGetDlgCode(TWMGetDlgCode& Message) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  TExtTimerSpeedButton* CreateButton(TSpinArrow Arrow);
  void ButtonPressed(TExtTimerSpeedButton* Button);
  void ButtonClicked(TExtTimerSpeedButton* Button);

  TExtTimerSpeedButton* upButton_;
  TExtTimerSpeedButton* downButton_;
  TExtTimerSpeedButton* focusButton_;
  TSpinDirection direction_ = spVertical;
  TWinControl* focusControl_ = nullptr;
};

// --- the edit ---------------------------------------------------------------------------------

enum TEsgSpinType { sptNormal, sptFloat, sptDate, sptTime };

class TEsgSpinEdit : public TCustomMaskEdit {
 public:
  explicit TEsgSpinEdit(TComponent* AOwner);

  // Equal bounds mean none.
  int MinValue = 0;
  int MaxValue = 100;
  double MinFloatValue = 0.0;
  double MaxFloatValue = 100.0;
  TDateTime MinDateValue = 0;
  TDateTime MaxDateValue = 0;
  int Increment = 1;
  double IncrementFloat = 0.0;
  // Enter moves on as Tab does.
  bool ReturnIsTab = false;

  // The text read as an integer, float, date or time; a text that is none raises
  // EConvertError.
  int GetValue() const;
  void SetValue(int value);  // within the bounds
  double GetFloatValue() const;
  void SetFloatValue(double value);  // with Precision decimals (0: as many as it takes)
  TDateTime GetDateValue() const;
  void SetDateValue(TDateTime value);
  TDateTime GetTimeValue() const;
  void SetTimeValue(TDateTime value);  // keeps the caret where it is

  int CheckValue(int value) const;
  double CheckFloatValue(double value) const;
  TDateTime CheckDateValue(TDateTime value) const;

  TEsgSpinType GetSpinType() const { return spinType_; }
  void SetSpinType(TEsgSpinType value);
  int GetPrecision() const { return precision_; }
  void SetPrecision(int value);
  TSpinDirection GetDirection() const { return button_->GetDirection(); }
  void SetDirection(TSpinDirection value);
  // Off: no typing, pasting, cutting or deleting; the arrows still step.
  bool GetEditorEnabled() const { return editorEnabled_; }
  void SetEditorEnabled(bool value) { editorEnabled_ = value; }
  bool GetIsWinXP() const { return button_->GetIsWinXP(); }
  void SetIsWinXP(bool value) { button_->SetIsWinXP(value); }
  bool GetSpinFlat() const { return spinFlat_; }
  void SetSpinFlat(bool value);
  bool GetSpinTransparent() const { return spinTransparent_; }
  void SetSpinTransparent(bool value);
  TEsgSpinButton* GetButton() const { return button_; }

  // Step the value by its increment (a date or time at the caret's part); read-only, or with a
  // text that is no value, they only beep.
  virtual void UpClick(TObject* Sender);
  virtual void DownClick(TObject* Sender);
  // Whether a typed character is taken; it may change the character (a thousand separator
  // types the decimal separator in a float).
  virtual bool IsValidChar(char& Key);

  int GetMinHeight();
  void SetEditRect();
  void Loaded() override;

 protected:
  void Resize() override;
  void WMKeyDown(TWMKeyDown& Message) override;
  void WMGetDlgCode(TWMGetDlgCode& Message) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void WMPaste() override;
  void WMCut() override;
  void DoEnter() override;
  void DoExit() override;

 private:
  void ShowAtCaret(const AnsiString& text);
  void NudgeWidth();
  void Step(int Sign);
  void StepDate(int Sign);
  void StepTime(int Sign);
  // Writes the text again in the form of the spin type, when it reads as a value.
  void Rewrite();
  // The part of a date or time text the caret stands in: 0, 1 or 2.
  int CaretField(char Separator) const;
  // A text that reads as a value outside the bounds takes the nearest bound.
  void KeepInBounds();
  bool Editable() const { return editorEnabled_ && !GetReadOnly(); }
  TButtonEditLayout Layout() const { return {GetWidth(), GetHeight(), GetBorderStyle() != bsNone}; }

  TEsgSpinButton* button_;
  TDateTime dateValue_ = 0;
  TDateTime timeValue_ = 0;
  TEsgSpinType spinType_ = sptNormal;
  int precision_ = 0;
  bool editorEnabled_ = true;
  bool spinFlat_ = false;
  bool spinTransparent_ = false;
};

// The spin edit that offers its edit mask.
class TExtMaskSpinEdit : public TEsgSpinEdit {
 public:
  using TEsgSpinEdit::GetEditMask;
  using TEsgSpinEdit::SetEditMask;
  using TEsgSpinEdit::TEsgSpinEdit;
};

// The position (from 1) of Sub in Text after its first Offset characters; 0 when absent.
int PosFrom(const AnsiString& Sub, const AnsiString& Text, int Offset);
// The same day N years on; 29 February becomes 28 February in a year without it.
TDateTime IncYear(TDateTime Date, int N);
