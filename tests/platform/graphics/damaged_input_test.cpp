// The image decoders on damaged input: a refusal (EInvalidGraphic, or no image for a
// compression the reader leaves alone) or an image of the size it claims.
#include <gtest/gtest.h>

#include <vector>

#include "damaged_input.h"
#include "platform/graphics/bmp_codec.h"
#include "platform/graphics/graphic.h"
#include "platform/graphics/jpeg_codec.h"

namespace {

BmpImage Sample(int width, int height, int bits) {
  BmpImage image;
  image.width = width;
  image.height = height;
  image.bitsPerPixel = bits;
  for (int i = 0; i < width * height; ++i) image.pixels.push_back(0xFF000000u | i * 0x10305u);
  return image;
}

TEST(DamagedInput, BitmapsAreReadOrRefused) {
  for (int bits : {1, 4, 8, 16, 24, 32}) {
    SCOPED_TRACE(bits);
    ForEachDamaged(WriteBmp(Sample(5, 3, bits)), [](const std::vector<uint8_t>& bytes) {
      try {
        if (auto image = ReadBmp(bytes)) {
          EXPECT_EQ(image->pixels.size(), static_cast<size_t>(image->width) * image->height);
        }
      } catch (const EInvalidGraphic&) {
      }
    });
  }
}

TEST(DamagedInput, JpegsAreDecodedOrRefused) {
  RgbImage sample{16, 8, {}};
  for (int i = 0; i < 16 * 8 * 3; ++i) sample.rgb.push_back(static_cast<uint8_t>(i * 7));
  for (bool gray : {false, true}) {
    ForEachDamaged(EncodeJpeg(sample, 75, gray), [](const std::vector<uint8_t>& bytes) {
      try {
        RgbImage image = DecodeJpeg(bytes);
        EXPECT_EQ(image.rgb.size(), static_cast<size_t>(image.width) * image.height * 3);
      } catch (const EInvalidGraphic&) {
      }
    });
  }
}

}  // namespace
