#include <gtest/gtest.h>

#include <cstring>

#include "paint_helpers.h"
#include "platform/graphics/bmp_codec.h"

namespace {

std::vector<uint8_t> Saved(TBitmap& bitmap) {
  TMemoryStream stream;
  bitmap.SaveToStream(stream);
  return stream.Bytes();
}

void Load(TBitmap& bitmap, const std::vector<uint8_t>& bytes) {
  TMemoryStream stream;
  stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  stream.SetPosition(0);
  bitmap.LoadFromStream(stream);
}

std::unique_ptr<TBitmap> Sample() {
  auto bitmap = WhiteBitmap(13, 7);  // an odd width pads every row
  bitmap->Canvas->Brush->SetColor(clRed);
  bitmap->Canvas->FillRect(Rect(0, 0, 5, 3));
  bitmap->Canvas->SetPixels(12, 6, clBlue);
  return bitmap;
}

TEST(BitmapTest, SizeKeepsThePictureAndWhitensNewArea) {
  auto bitmap = Sample();
  bitmap->SetSize(20, 10);
  EXPECT_EQ(bitmap->Canvas->GetPixels(0, 0), clRed);
  EXPECT_EQ(bitmap->Canvas->GetPixels(12, 6), clBlue);
  EXPECT_EQ(bitmap->Canvas->GetPixels(19, 9), clWhite);
  bitmap->SetWidth(0);
  EXPECT_TRUE(bitmap->GetEmpty());
  bitmap->Canvas->FillRect(Rect(0, 0, 5, 5));  // drawing on an empty bitmap does nothing
}

TEST(BitmapTest, BmpWrittenAndReadBackIsByteEqualInEveryDepth) {
  for (TPixelFormat format : {pf1bit, pf4bit, pf8bit, pf16bit, pf24bit, pf32bit}) {
    SCOPED_TRACE(format);
    auto bitmap = Sample();
    bitmap->SetPixelFormat(format);
    std::vector<uint8_t> first = Saved(*bitmap);
    TBitmap copy;
    Load(copy, first);
    EXPECT_EQ(copy.GetPixelFormat(), format);
    EXPECT_EQ(copy.GetWidth(), 13);
    EXPECT_EQ(copy.GetHeight(), 7);
    EXPECT_EQ(Saved(copy), first);
    if (format != pf1bit) {
      EXPECT_EQ(copy.Canvas->GetPixels(4, 2), clRed);
      EXPECT_EQ(copy.Canvas->GetPixels(12, 6), clBlue);
    }
    EXPECT_EQ(copy.Canvas->GetPixels(12, 0), clWhite);
  }
}

TEST(BitmapTest, BmpFileLayoutIsTheWindowsOne) {
  auto bitmap = Sample();
  bitmap->SetPixelFormat(pf24bit);
  std::vector<uint8_t> b = Saved(*bitmap);
  ASSERT_EQ(b.size(), 14u + 40u + 40u * 7u);  // rows of 39 bytes padded to 40
  EXPECT_EQ(b[0], 'B');
  EXPECT_EQ(b[1], 'M');
  EXPECT_EQ(b[10], 54);
  EXPECT_EQ(b[28], 24);
  // Bottom-up rows in blue, green, red order: the first pixel stored is the bottom-left.
  EXPECT_EQ(b[54], 0xFF);
  size_t topRow = 54 + 40 * 6;
  EXPECT_EQ(b[topRow], 0x00);
  EXPECT_EQ(b[topRow + 2], 0xFF);
}

TEST(BitmapTest, DamagedBmpDataIsRefused) {
  std::vector<uint8_t> good = Saved(*Sample());
  int step = 0;
  auto refused = [&](std::vector<uint8_t> bytes) {
    SCOPED_TRACE(++step);
    TBitmap b;
    EXPECT_THROW(Load(b, bytes), EInvalidGraphic);
  };
  refused({});
  refused({'B', 'M', 1, 2});
  refused(std::vector<uint8_t>(good.begin(), good.begin() + 100));  // truncated rows
  std::vector<uint8_t> huge = good;
  huge[18] = huge[19] = huge[20] = 0x7F;  // a width of two billion
  refused(huge);
  std::vector<uint8_t> wideRow = good;  // one row of 2^27 pixels of 32 bits: 2^32 bits
  const uint8_t wide[] = {0, 0, 0, 0x08, 1, 0, 0, 0};
  std::memcpy(wideRow.data() + 18, wide, sizeof wide);
  wideRow[28] = 32;
  refused(wideRow);
  std::vector<uint8_t> badDepth = good;
  badDepth[28] = 7;
  refused(badDepth);
  std::vector<uint8_t> badHeader = good;
  badHeader[14] = 0xFF;
  refused(badHeader);
}

TEST(BitmapTest, TopDownAndPaletteFilesRead) {
  BmpImage image;
  image.width = 2;
  image.height = 2;
  image.bitsPerPixel = 8;
  image.palette = {0x000000, 0x00FF00};
  image.pixels = {0xFF00FF00, 0xFF000000, 0xFF000000, 0xFF00FF00};
  std::vector<uint8_t> bytes = WriteBmp(image);
  int32_t negative = -2;
  std::memcpy(&bytes[22], &negative, 4);  // the same rows read from the top
  std::optional<BmpImage> read = ReadBmp(bytes);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->pixels[0], 0xFF000000u);
  EXPECT_EQ(read->pixels[1], 0xFF00FF00u);
}

TEST(BitmapTest, FileSaveAndLoadThroughAFolderWithBackslashes) {
  TempFolder folder;
  Sample()->SaveToFile(folder.Path() + "\\picture.bmp");
  TBitmap loaded;
  loaded.LoadFromFile((folder / "picture.bmp"));
  EXPECT_EQ(loaded.Canvas->GetPixels(0, 0), clRed);
  EXPECT_THROW(loaded.LoadFromFile((folder / "missing.bmp")), EStreamError);
}

TEST(BitmapTest, SavingToAFullDiskIsAnError) {
  EXPECT_THROW(Sample()->SaveToFile("/dev/full"), EStreamError);
  TMemoryStream stream;
  stream.WriteBuffer("abc", 3);
  EXPECT_THROW(stream.SaveToFile("/dev/full"), EStreamError);
}

TEST(BitmapTest, TransparentDrawingLeavesTheTransparentColourOut) {
  auto sprite = WhiteBitmap(10, 10);
  sprite->Canvas->Brush->SetColor(clLime);
  sprite->Canvas->FillRect(Rect(0, 0, 10, 10));
  sprite->Canvas->Brush->SetColor(clRed);
  sprite->Canvas->FillRect(Rect(3, 3, 7, 7));
  EXPECT_EQ(sprite->GetTransparentColor(), clLime);  // the bottom-left pixel
  sprite->SetTransparent(true);
  auto target = WhiteBitmap(20, 20);
  target->Canvas->Draw(5, 5, sprite.get());
  EXPECT_EQ(InkBox(*target), Rect(8, 8, 12, 12));
  sprite->SetTransparentColor(clRed);
  EXPECT_EQ(sprite->GetTransparentMode(), tmFixed);
  target->Canvas->StretchDraw(Rect(0, 0, 20, 20), sprite.get());
  EXPECT_EQ(target->Canvas->GetPixels(0, 0), clLime);
  EXPECT_EQ(target->Canvas->GetPixels(10, 10), clRed);  // what the first draw left
  sprite->SetTransparent(false);
  target->Canvas->StretchDraw(Rect(0, 0, 20, 20), sprite.get());
  EXPECT_EQ(target->Canvas->GetPixels(8, 8), clRed);
}

TEST(BitmapTest, AssignCopiesThePixelsNotTheCanvas) {
  auto source = Sample();
  TBitmap copy;
  copy.Assign(source.get());
  source->Canvas->Brush->SetColor(clBlack);
  source->Canvas->FillRect(Rect(0, 0, 13, 7));
  EXPECT_EQ(copy.Canvas->GetPixels(0, 0), clRed);
  EXPECT_EQ(copy.GetWidth(), 13);
  copy.Canvas->SetPixels(1, 1, clGreen);
  EXPECT_EQ(source->Canvas->GetPixels(1, 1), clBlack);
}

}  // namespace
