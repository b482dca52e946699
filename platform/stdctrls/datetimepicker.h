// A date or time picker: a field that edits a date (with a calendar to drop down, or with
// arrows for dmUpDown) or a time of day (with arrows).
#pragma once

#include "platform/controls/wincontrol.h"
#include "platform/core/datetime.h"

enum TDateTimeKind { dtkDate, dtkTime };
enum TDTDateMode { dmComboBox, dmUpDown };

class TDateTimePicker : public TWinControl {
 public:
  explicit TDateTimePicker(TComponent* AOwner);

  TDateTimeKind GetKind() const { return kind_; }
  void SetKind(TDateTimeKind value);
  TDTDateMode GetDateMode() const { return dateMode_; }
  void SetDateMode(TDTDateMode value);
  // Whole days for the date; the fraction is the time of day.
  TDateTime GetDateTime() const;
  void SetDateTime(TDateTime value);
  TDateTime GetDate() const;
  TDateTime GetTime() const;
  // The calendar is open.
  bool GetDroppedDown() const;
  // bsSingle draws the field's sunken frame, bsNone none (the field reaches the edges).
  TBorderStyle GetBorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle value);

  TNotifyEvent OnChange;

 protected:
  AnsiString RealGetText() const override;
  void WMGetDlgCode(TWMGetDlgCode& Message) override;

 private:
  void ApplyKind();
  TDateTimeKind kind_ = dtkDate;
  TDTDateMode dateMode_ = dmComboBox;
  TDateTime days_ = 0;
  TBorderStyle borderStyle_ = bsSingle;
};
