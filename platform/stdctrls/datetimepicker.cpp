#include "platform/stdctrls/datetimepicker.h"

#include <QCalendarWidget>
#include <QDateTimeEdit>
#include <cmath>

#include "platform/controls/application.h"

namespace {

QDateTimeEdit* Edit(QWidget* widget) { return static_cast<QDateTimeEdit*>(widget); }

const QDate kDayZero(1899, 12, 30);

QDateTime ToQt(TDateTime value) {
  const double days = std::floor(value);
  const auto ms = static_cast<int>(std::llround((value - days) * 86400000.0));
  return QDateTime(kDayZero.addDays(static_cast<qint64>(days)), QTime(0, 0).addMSecs(ms));
}

TDateTime FromQt(const QDateTime& value) {
  return static_cast<double>(kDayZero.daysTo(value.date())) +
         value.time().msecsSinceStartOfDay() / 86400000.0;
}

}  // namespace

TDateTimePicker::TDateTimePicker(TComponent* AOwner) : TWinControl(AOwner, new QDateTimeEdit) {
  SetTabStop(true);
  QObject::connect(Edit(Widget()), &QDateTimeEdit::dateTimeChanged, Widget(), [this] {
    Application->HandleEvent([this] {
      if (OnChange) OnChange(this);
    });
  });
  SetDateTime(Now());
  ApplyKind();
  SetBounds(0, 0, 186, 21);
}

void TDateTimePicker::SetKind(TDateTimeKind value) {
  kind_ = value;
  ApplyKind();
}

void TDateTimePicker::SetDateMode(TDTDateMode value) {
  dateMode_ = value;
  ApplyKind();
}

// The field shows the date in the short date form or the time in the long time form; only a
// date in combo-box mode has a calendar.
void TDateTimePicker::ApplyKind() {
  QDateTimeEdit* edit = Edit(Widget());
  edit->setCalendarPopup(kind_ == dtkDate && dateMode_ == dmComboBox);
  const AnsiString format = kind_ == dtkDate ? ShortDateFormat : LongTimeFormat;
  QString qt = QString::fromLatin1(format.c_str()).toLower();
  qt.replace("nn", "mm");
  if (kind_ == dtkDate) qt.replace("m", "M");
  edit->setDisplayFormat(qt);
}

// A field that shows only a time keeps a date of its own; the picker keeps the one it was
// given.
TDateTime TDateTimePicker::GetDateTime() const {
  const QDateTimeEdit* edit = Edit(Widget());
  if (kind_ == dtkTime) return days_ + edit->time().msecsSinceStartOfDay() / 86400000.0;
  return FromQt(edit->dateTime());
}

void TDateTimePicker::SetDateTime(TDateTime value) {
  QSignalBlocker block(Widget());
  days_ = std::floor(value);
  const QDateTime qt = ToQt(value);
  Edit(Widget())->setDateTime(qt);
  Edit(Widget())->setTime(qt.time());
}

void TDateTimePicker::SetBorderStyle(TBorderStyle value) {
  borderStyle_ = value;
  QDateTimeEdit* edit = Edit(Widget());
  edit->setFrame(value != bsNone);
  // Where the frame stood the field's colour shows.
  if (value == bsNone) edit->setBackgroundRole(QPalette::Base);
  edit->setAutoFillBackground(value == bsNone);
}

TDateTime TDateTimePicker::GetDate() const { return std::floor(GetDateTime()); }

TDateTime TDateTimePicker::GetTime() const {
  const TDateTime value = GetDateTime();
  return value - std::floor(value);
}

bool TDateTimePicker::GetDroppedDown() const {
  const QCalendarWidget* calendar = Edit(Widget())->calendarWidget();
  return Edit(Widget())->calendarPopup() && calendar && calendar->isVisible();
}

AnsiString TDateTimePicker::RealGetText() const {
  return kind_ == dtkDate ? DateToStr(GetDateTime()) : TimeToStr(GetDateTime());
}

void TDateTimePicker::WMGetDlgCode(TWMGetDlgCode& Message) { Message.Result = DLGC_WANTARROWS; }
