// The memory stream's writes: appended at its end, over its bytes inside it, and past its end
// with zeros in the gap.
#include <gtest/gtest.h>

#include "platform/core/stream.h"

namespace {

AnsiString Contents(const TMemoryStream& stream) {
  return AnsiString(stream.Bytes().begin(), stream.Bytes().end());
}

TEST(MemoryStream, WritesAppendOverwriteAndFillAGapWithZeros) {
  TMemoryStream stream;
  stream.WriteBuffer("abc", 3);
  stream.WriteBuffer("def", 3);
  EXPECT_EQ(Contents(stream), "abcdef");
  stream.SetPosition(2);
  stream.WriteBuffer("XYZW", 4);
  EXPECT_EQ(Contents(stream), "abXYZW");
  stream.SetPosition(4);
  stream.WriteBuffer("1234", 4);
  EXPECT_EQ(Contents(stream), "abXY1234");
  EXPECT_EQ(stream.GetPosition(), 8);
  stream.SetPosition(10);
  stream.WriteBuffer("e", 1);
  EXPECT_EQ(Contents(stream), AnsiString("abXY1234\0\0e", 11));
  EXPECT_EQ(stream.Write("x", 0), 0);
  EXPECT_EQ(stream.GetSize(), 11);
}

}  // namespace
