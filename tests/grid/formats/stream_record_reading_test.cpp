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

// The bytes of a record "TEdge" holding one text, as the format lays them out.
std::vector<uint8_t> EdgeRecordBytes(const AnsiString& text) {
  AnsiString bytes = AnsiString("TPF0") + '\x05' + "TEdge" + '\x04' + "Text" + '\x02';
  const auto length = static_cast<uint32_t>(text.size());
  for (int i = 0; i < 4; ++i) bytes += static_cast<char>(length >> (8 * i));
  bytes += text;
  bytes += '\0';
  return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

// Records built in memory up to a few hundred bytes and on the heap beyond: those either side
// of the edge keep their bytes and read back in place and from a file alike.
TEST(StreamRecordReading, RecordsAroundTheBuildingBufferKeepTheirBytes) {
  TempFolder dir;
  for (std::size_t length = 220; length <= 300; ++length) {
    const AnsiString text(length, 'e');
    TMemoryStream memory;
    memory.WriteBuffer("X", 1);
    TStreamRecordWriter out(memory, "TEdge");
    out.Text("Text", text);
    out.End();
    std::vector<uint8_t> expected{'X'};
    const std::vector<uint8_t> record = EdgeRecordBytes(text);
    expected.insert(expected.end(), record.begin(), record.end());
    ASSERT_EQ(memory.Bytes(), expected) << length;

    memory.SaveToFile(dir / "edge.bin");
    TFileStream file(dir / "edge.bin", fmOpenRead);
    for (TStream* stream : {static_cast<TStream*>(&memory), static_cast<TStream*>(&file)}) {
      stream->SetPosition(1);
      TStreamRecordReader in(*stream, "TEdge");
      EXPECT_EQ(in.Text("Text"), text);
      in.End();
      EXPECT_EQ(stream->GetPosition(), stream->GetSize());
    }
  }
}

// Read in place, a damaged length is refused and the stream stands after it, as from a file.
TEST(StreamRecordReading, ADamagedLengthReadInPlaceIsRefusedAfterIt) {
  std::vector<uint8_t> bytes = EdgeRecordBytes("abc");
  bytes[4 + 6 + 5 + 1 + 3] = 0x7F;  // the length's top byte
  TMemoryStream memory;
  memory.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  memory.SetPosition(0);
  TStreamRecordReader in(memory, "TEdge");
  EXPECT_THROW(in.Text("Text"), EStreamError);
  EXPECT_EQ(memory.GetPosition(), 4 + 6 + 5 + 1 + 4);
}

}  // namespace
