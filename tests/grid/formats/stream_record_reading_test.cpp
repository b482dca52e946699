// Reading stream records from a few bytes read ahead: records longer than that, records in a
// row on memory and file streams, and where the stream stands after a record and a refusal.
#include <gtest/gtest.h>

#include "components/grid/formats/StreamRecord.h"
#include "temp_folder.h"

namespace {

const AnsiString kLong(1000, 'x');
const std::vector<uint8_t> kBytes(3000, 0xAB);

// A long record, a short one and three bytes that are no record.
void WriteRecords(TStream& stream) {
  TStreamRecordWriter big(stream, "TBig");
  big.Text("Text", kLong);
  big.Binary("Data", kBytes);
  big.Float("Value", 2.5);
  big.End();
  TStreamRecordWriter small(stream, "TSmall");
  small.Int("N", 7);
  small.End();
  stream.WriteBuffer("XYZ", 3);
}

void ReadRecords(TStream& stream) {
  TStreamRecordReader big(stream, "TBig");
  EXPECT_EQ(big.Text("Text"), kLong);
  EXPECT_EQ(big.Binary("Data"), kBytes);
  EXPECT_EQ(big.Float("Value"), 2.5);
  big.End();
  TStreamRecordReader small(stream, "TSmall");
  EXPECT_EQ(small.Int("N"), 7);
  small.End();
  char rest[3];
  stream.ReadBuffer(rest, 3);
  EXPECT_EQ(AnsiString(rest, 3), "XYZ");
  EXPECT_EQ(stream.GetPosition(), stream.GetSize());
}

TEST(StreamRecordReading, RecordsInARowLeaveTheStreamAfterEachOne) {
  TMemoryStream memory;
  WriteRecords(memory);
  memory.SetPosition(0);
  ReadRecords(memory);

  TempFolder dir;
  memory.SaveToFile(dir / "records.bin");
  TFileStream file(dir / "records.bin", fmOpenRead);
  ReadRecords(file);
}

TEST(StreamRecordReading, ARefusedRecordLeavesTheStreamAfterWhatWasRead) {
  TMemoryStream stream;
  WriteRecords(stream);
  stream.SetPosition(0);
  TStreamRecordReader wrongName(stream, "TBig");
  EXPECT_THROW(wrongName.Int("Text"), EStreamError);
  EXPECT_EQ(stream.GetPosition(), 4 + 5 + 5 + 1);  // signature, class name, property name, type

  // A text longer than the stream is refused before anything is read for it.
  TMemoryStream cut;
  cut.WriteBuffer(stream.Memory(), 4 + 5 + 5 + 1 + 4 + 10);
  cut.SetPosition(0);
  TStreamRecordReader shortText(cut, "TBig");
  EXPECT_THROW(shortText.Text("Text"), EStreamError);
  EXPECT_EQ(cut.GetPosition(), 4 + 5 + 5 + 1 + 4);
}

}  // namespace
