#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>

#include <cstdlib>

#include "paint_helpers.h"
#include "platform/graphics/imagelist.h"
#include "platform/graphics/jpeg.h"
#include "platform/graphics/picture.h"
#include "platform/graphics/readerimage.h"
#include "platform/graphics/recording_canvas.h"

namespace {

TMemoryStream StreamOf(const std::vector<uint8_t>& bytes) {
  TMemoryStream stream;
  stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  stream.SetPosition(0);
  return stream;
}

std::vector<uint8_t> QtEncoded(const char* format) {
  QImage image(6, 4, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  image.setPixelColor(1, 1, QColor(255, 0, 0));
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, format);
  return {bytes.begin(), bytes.end()};
}

bool Near(TColor a, TColor b, int tolerance) {
  return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance &&
         std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
         std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

// A white bitmap with a coloured part, compressed.
void SaveAsJpeg(TStream& stream, int width, int height, const TRect& part, TColor colour,
                bool grayscale) {
  auto bitmap = WhiteBitmap(width, height);
  bitmap->Canvas->Brush->SetColor(colour);
  bitmap->Canvas->FillRect(part);
  TJPEGImage jpeg;
  jpeg.Assign(bitmap.get());
  jpeg.SetCompressionQuality(95);
  jpeg.SetGrayscale(grayscale);
  jpeg.SaveToStream(stream);
}

TEST(JpegTest, RoundTripThroughLibjpeg) {
  TMemoryStream stream;
  SaveAsJpeg(stream, 32, 24, Rect(0, 0, 16, 24), clRed, false);
  const std::vector<uint8_t>& bytes = stream.Bytes();
  ASSERT_GT(bytes.size(), 100u);
  EXPECT_EQ(bytes[0], 0xFF);
  EXPECT_EQ(bytes[1], 0xD8);

  TJPEGImage read;
  stream.SetPosition(0);
  read.LoadFromStream(stream);
  EXPECT_EQ(read.GetWidth(), 32);
  EXPECT_EQ(read.GetHeight(), 24);
  auto target = WhiteBitmap(32, 24);
  target->Canvas->Draw(0, 0, &read);
  EXPECT_TRUE(Near(target->Canvas->GetPixels(4, 12), clRed, 12));
  EXPECT_TRUE(Near(target->Canvas->GetPixels(28, 12), clWhite, 12));

  // Loaded bytes are written back unchanged.
  TMemoryStream again;
  read.SaveToStream(again);
  EXPECT_EQ(again.Bytes(), bytes);
  TBitmap decoded;
  decoded.Assign(&read);
  EXPECT_TRUE(Near(decoded.Canvas->GetPixels(4, 4), clRed, 12));
}

TEST(JpegTest, GrayscaleEncodingAndDamagedData) {
  TMemoryStream stream;
  SaveAsJpeg(stream, 8, 8, Rect(0, 0, 8, 8), clBlue, true);
  TJPEGImage gray;
  stream.SetPosition(0);
  gray.LoadFromStream(stream);
  auto target = WhiteBitmap(8, 8);
  target->Canvas->Draw(0, 0, &gray);
  TColor c = target->Canvas->GetPixels(4, 4);
  EXPECT_EQ(GetRValue(c), GetBValue(c));

  TJPEGImage broken;
  std::vector<uint8_t> bytes = stream.Bytes();
  bytes.resize(20);
  TMemoryStream cut = StreamOf(bytes);
  EXPECT_THROW(broken.LoadFromStream(cut), EInvalidGraphic);
  TMemoryStream junk = StreamOf({0xFF, 0xD8, 1, 2, 3, 4, 5, 6});
  EXPECT_THROW(broken.LoadFromStream(junk), EInvalidGraphic);
  EXPECT_TRUE(broken.GetEmpty());
}

TEST(ReaderImageTest, PngGifAndIconThroughQtReaders) {
  TPngImage png;
  TMemoryStream pngData = StreamOf(QtEncoded("png"));
  png.LoadFromStream(pngData);
  EXPECT_EQ(png.GetWidth(), 6);
  auto target = WhiteBitmap(6, 4);
  target->Canvas->Draw(0, 0, &png);
  EXPECT_EQ(target->Canvas->GetPixels(1, 1), clRed);
  EXPECT_EQ(target->Canvas->GetPixels(0, 0), clWhite);  // transparent pixels blend
  TMemoryStream saved;
  png.SaveToStream(saved);
  EXPECT_EQ(saved.Bytes(), pngData.Bytes());

  TIcon icon;
  TMemoryStream icoData = StreamOf(QtEncoded("ico"));
  icon.LoadFromStream(icoData);
  EXPECT_EQ(icon.GetHeight(), 4);

  TGIFImage gif;
  TMemoryStream notGif = StreamOf({'G', 'I', 'F', '8', '9', 'a', 0});
  EXPECT_THROW(gif.LoadFromStream(notGif), EInvalidGraphic);
  EXPECT_THROW(gif.Assign(&png), EConvertError);
}

TEST(ReaderImageTest, CropKeepsAPartAndTheFileBytes) {
  TPngImage png;
  TMemoryStream pngData = StreamOf(QtEncoded("png"));
  png.LoadFromStream(pngData);
  png.Crop(TRect(1, 1, 4, 3));
  EXPECT_EQ(png.GetWidth(), 3);
  EXPECT_EQ(png.GetHeight(), 2);
  auto target = WhiteBitmap(6, 4);
  target->Canvas->Draw(0, 0, &png);
  EXPECT_EQ(target->Canvas->GetPixels(0, 0), clRed);  // the red pixel at (1, 1) moved
  TMemoryStream saved;
  png.SaveToStream(saved);
  EXPECT_EQ(saved.Bytes(), pngData.Bytes());
}

TEST(PictureTest, LoadsByExtensionAndBySignature) {
  TempFolder folder;
  AnsiString bmp = (folder / "a.BMP");
  auto bitmap = WhiteBitmap(5, 3);
  bitmap->SaveToFile(bmp);
  TPicture picture;
  int changes = 0;
  picture.OnChange = [&](TObject*) { ++changes; };
  picture.LoadFromFile(bmp);
  EXPECT_NE(dynamic_cast<TBitmap*>(picture.GetGraphic()), nullptr);
  EXPECT_EQ(picture.GetWidth(), 5);
  EXPECT_GT(changes, 0);
  try {
    picture.LoadFromFile((folder / "a.xyz"));
    ADD_FAILURE();
  } catch (const EInvalidGraphic& e) {
    EXPECT_EQ(e.Message, "Unknown picture file extension (.xyz)");
  }

  TMemoryStream png = StreamOf(QtEncoded("png"));
  picture.LoadFromStream(png);
  EXPECT_NE(dynamic_cast<TPngImage*>(picture.GetGraphic()), nullptr);
  TPicture copy;
  copy.Assign(&picture);
  EXPECT_NE(copy.GetGraphic(), picture.GetGraphic());
  EXPECT_EQ(copy.GetHeight(), 4);
  TBitmap* asBitmap = picture.GetBitmap();  // another kind gives way to a bitmap
  EXPECT_TRUE(asBitmap->GetEmpty());
}

TEST(ImageListTest, AddCutsStripsAndDrawsByIndex) {
  TImageList list(4, 4);
  auto strip = WhiteBitmap(12, 4);  // three images
  strip->Canvas->Brush->SetColor(clRed);
  strip->Canvas->FillRect(Rect(4, 0, 8, 4));
  strip->Canvas->Brush->SetColor(clFuchsia);
  strip->Canvas->FillRect(Rect(8, 0, 12, 2));
  EXPECT_EQ(list.AddMasked(strip.get(), clFuchsia), 0);
  EXPECT_EQ(list.GetCount(), 3);
  auto target = WhiteBitmap(10, 10);
  target->Canvas->Brush->SetColor(clBlue);
  target->Canvas->FillRect(Rect(0, 0, 10, 10));
  list.Draw(target->Canvas, 2, 2, 1);
  EXPECT_EQ(target->Canvas->GetPixels(2, 2), clRed);
  EXPECT_EQ(target->Canvas->GetPixels(6, 6), clBlue);
  list.Draw(target->Canvas, 0, 0, 2);
  EXPECT_EQ(target->Canvas->GetPixels(0, 0), clBlue);   // masked: transparent
  EXPECT_EQ(target->Canvas->GetPixels(0, 3), clWhite);
  list.Draw(target->Canvas, 0, 0, 7);  // beyond the count: nothing

  TBitmap one;
  list.GetBitmap(1, &one);
  EXPECT_EQ(one.GetWidth(), 4);
  EXPECT_EQ(one.Canvas->GetPixels(3, 3), clRed);
  TRecordingCanvas recorder;
  list.Draw(&recorder, 7, 8, 0);
  ASSERT_EQ(recorder.CallsOf(coDraw).size(), 1u);
  EXPECT_EQ(recorder.Calls[0].Rect, Rect(7, 8, 11, 12));
  list.Delete(0);
  EXPECT_EQ(list.GetCount(), 2);
  list.SetWidth(8);
  EXPECT_EQ(list.GetCount(), 0);
}

}  // namespace
