// The grid's readers of outside data on damaged input: RTF, the column settings stream, the
// pictures of HTML text and the grid's files and streams.
#include <gtest/gtest.h>

#include <vector>

#include "column_settings.h"
#include "components/grid/columns/ExtCGrid.h"
#include "components/grid/grid/ExtGridError.h"
#include "components/grid/html/FilePicture.h"
#include "components/grid/html/GifFrames.h"
#include "components/grid/html/HTMLPicture.h"
#include "components/grid/richtext/RichText.h"
#include "../temp_folder.h"
#include "damaged_input.h"
#include "picture_samples.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/picture.h"
#include "platform/graphics/readerimage.h"

namespace {

TEST(DamagedInput, RtfIsReadToItsEndWhateverItHolds) {
  const std::string sample =
      "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}{\\colortbl ;\\red255\\green0\\blue0;}"
      "\\uc1\\pard\\b Fett\\b0  \\cf1\\fs28 rot\\'e4\\u8364?\\par{\\*\\foo x}\\bin3 abc"
      "\\i kursiv\\i0\\tab\\emdash\\~\\_\\\\\\{\\}\\line Ende}";
  TRichText reference;
  reference.SetRTF(sample);
  ASSERT_EQ(reference.GetText(), "Fett rot\xE4\x80\r\nkursiv\t\x97\xA0-\\{}\r\nEnde");
  auto read = [](const std::string& rtf) {
    TRichText text;
    text.SetRTF(rtf);
    EXPECT_FALSE(text.Paragraphs().empty());
  };
  ForEachDamaged(sample, read);
  // Changes into RTF's own characters reach the control words' and groups' paths.
  ForEachDamaged(sample, read, 300, "{}\\'*-0123456789abfu ;\r\n");
}

TEST(DamagedInput, ColumnSettingsAreReadOrRefused) {
  TExtColumnGrid source(nullptr);
  source.SetColCount(2);
  for (int i = 0; i < 2; ++i) FillColumn(*source.GetColumns()->GetItem(i), i);
  TMemoryStream saved;
  source.SaveColumnsToStream(&saved);

  TExtColumnGrid target(nullptr);
  int read = 0;
  ForEachDamaged(saved.Bytes(), [&](const std::vector<uint8_t>& bytes) {
    TMemoryStream stream;
    stream.Write(bytes.data(), static_cast<int64_t>(bytes.size()));
    stream.SetPosition(0);
    try {
      target.LoadColumnsFromStream(&stream);
      ++read;
    } catch (const EStreamError&) {
    } catch (const EExtGridError&) {
    }
  });
  EXPECT_GT(read, 0);  // some changes only alter values
}

TEST(DamagedInput, GifFramesAreCutOrRefusedWithinTheData) {
  int shown = 0;
  ForEachDamaged(ThreeFrameGif(), [&](const std::vector<uint8_t>& bytes) {
    for (int frame = 0; frame <= 4; ++frame) {
      const TGIFFrameCut cut = CutGIFFrame(bytes, frame);
      EXPECT_LE(cut.Data.size(), bytes.size());
      GIFFrameTiming(bytes, frame);
    }
    THTMLPicture picture;
    try {
      LoadBytes(picture, bytes);
    } catch (const Exception& e) {
      EXPECT_EQ(e.Message, "Could not load image. Invalid format");
      EXPECT_TRUE(picture.GetEmpty());
      return;
    }
    ++shown;
    for (int step = 0; step < 8; ++step) {
      try {
        picture.FrameNext();  // a damaged later frame is refused, the shown one stays
      } catch (const Exception&) {
      }
      EXPECT_FALSE(picture.GetEmpty());
    }
  });
  EXPECT_GT(shown, 0);
}

}  // namespace

namespace {

// The grid's files: each damaged copy is read whole or refused with an error, never beyond
// its bytes, and a refused binary stream leaves the grid as it was.
class DamagedGridFiles : public testing::Test {
 protected:
  TExtStringGrid source{nullptr};
  TempFolder folder;
  std::string file = folder / "damaged";

  void SetUp() override {
    source.SetColCount(3);
    source.SetRowCount(3);
    source.Multilinecells = true;
    source.SetCells(0, 0, "a\r\nb");
    source.SetCells(1, 1, "x,\"y\"");
    source.SetCells(2, 2, "z");
    source.SetColors(1, 2, clRed);
    source.MergeCells(0, 1, 2, 1);
    source.CreateRadio(2, 0, 0, 1)->Add("a");
  }

  // Reads each damaged copy of the sample through Load; a readable share must exist.
  template <typename Load>
  void ReadDamaged(const std::string& sample, Load load, const std::string& alphabet = {}) {
    int read = 0;
    ForEachDamaged(sample, [&](const std::string& bytes) {
      TExtStringGrid target(nullptr);
      try {
        load(target, bytes);
        ++read;
      } catch (const EExtGridError&) {
      } catch (const EConvertError&) {
      } catch (const EStreamError&) {
      } catch (const EInvalidGraphic&) {
      }
    }, 200, alphabet);
    EXPECT_GT(read, 0);
  }

  void ReadDamagedBinStream() {
    TMemoryStream saved;
    source.SaveToBinStream(&saved);
    const std::string sample(saved.Bytes().begin(), saved.Bytes().end());
    ReadDamaged(sample, [](TExtStringGrid& target, const std::string& bytes) {
      target.SetCells(0, 0, "before");
      TMemoryStream stream;
      stream.Write(bytes.data(), static_cast<int64_t>(bytes.size()));
      stream.SetPosition(0);
      try {
        target.LoadFromBinStream(&stream);
      } catch (const Exception&) {
        EXPECT_EQ(target.Cells(0, 0), "before");
        throw;
      }
    });
  }
};

TEST_F(DamagedGridFiles, BinaryStreamIsReadOrRefusedWithTheGridUnchanged) {
  ReadDamagedBinStream();
}

// Damaged image data is refused as the images refuse it (EInvalidGraphic), before the grid
// changes; a damaged file picture's name reads as a picture of no size.
TEST_F(DamagedGridFiles, BinaryStreamWithPicturesIsReadOrRefusedWithTheGridUnchanged) {
  source.SetRowCount(4);
  source.CreateBitmap(0, 3, true, haLeft, vaTop)->SetSize(2, 3);
  source.CreateBitButton(1, 3, 20, 10, "b", haLeft, vaTop)->SetSize(1, 1);
  LoadBytes(*source.CreateIcon(2, 3, haLeft, vaTop), RedIcon());
  TMemoryStream png;
  png.Write(RedPng().data(), static_cast<int64_t>(RedPng().size()));
  png.SetPosition(0);
  source.CreatePicture(0, 2, false, Stretch, 0, haLeft, vaTop)->LoadFromStream(png);
  WriteBytes(folder / "red.png", PngText());
  source.CreateFilePicture(1, 2, false, Stretch, 0, haLeft, vaTop)->SetFileName(folder / "red.png");
  ReadDamagedBinStream();
}

TEST_F(DamagedGridFiles, TextFormatsAreReadOrRefused) {
  source.SaveToFile(file);
  ReadDamaged(ReadBytes(file), [this](TExtStringGrid& target, const std::string& bytes) {
    WriteBytes(file, bytes);
    target.LoadFromFile(file);
  }, "0123456789,-cw \r\n\t\b");
  TMemoryStream stream;
  source.SaveToStream(&stream);
  ReadDamaged(std::string(stream.Bytes().begin(), stream.Bytes().end()),
              [](TExtStringGrid& target, const std::string& bytes) {
                TMemoryStream in;
                in.Write(bytes.data(), static_cast<int64_t>(bytes.size()));
                in.SetPosition(0);
                target.LoadFromStream(&in);
              }, "0123456789,-cw \r\n");
  source.SaveToCSV(file);
  ReadDamaged(ReadBytes(file), [this](TExtStringGrid& target, const std::string& bytes) {
    WriteBytes(file, bytes);
    target.LoadFromCSV(file);
  }, ",;#|\t\"^~\r\n");
}

}  // namespace
