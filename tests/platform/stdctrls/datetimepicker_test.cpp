#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>

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

namespace {

// Without its border the field's colour reaches the edges.
TEST(DateTimePicker, WithoutBorderTheFieldReachesTheEdges) {
  TForm form{nullptr};
  TDateTimePicker picker(&form);
  picker.SetParent(&form);
  picker.SetBounds(0, 0, 120, 24);
  const auto corner = [&] { return picker.Widget()->grab().toImage().pixelColor(0, 12); };
  const QColor framed = corner();
  picker.SetBorderStyle(bsNone);
  EXPECT_EQ(picker.GetBorderStyle(), bsNone);
  EXPECT_NE(corner(), framed);
  EXPECT_EQ(corner(), picker.Widget()->palette().color(QPalette::Base));
}

}  // namespace
