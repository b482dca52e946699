#include <gtest/gtest.h>

#include "platform/controls/forms.h"
#include "platform/stdctrls/datetimepicker.h"

namespace {

TEST(DateTimePicker, KeepsDateAndTimeAndShowsTheKindsText) {
  TForm form{nullptr};
  TDateTimePicker picker(&form);
  const TDateTime when = EncodeDate(2026, 3, 1) + 0.75;  // 18:00
  picker.SetDateTime(when);
  EXPECT_DOUBLE_EQ(picker.GetDateTime(), when);
  EXPECT_DOUBLE_EQ(picker.GetDate(), EncodeDate(2026, 3, 1));
  EXPECT_DOUBLE_EQ(picker.GetTime(), 0.75);
  EXPECT_EQ(picker.GetText(), DateToStr(when));
  picker.SetKind(dtkTime);
  EXPECT_EQ(picker.GetText(), TimeToStr(when));
  EXPECT_DOUBLE_EQ(picker.GetDateTime(), when);  // the date outlives a field without one
  picker.SetDateTime(0.5);
  EXPECT_DOUBLE_EQ(picker.GetDateTime(), 0.5);
  EXPECT_FALSE(picker.GetDroppedDown());
}

}  // namespace
