// Windows bitmap files: reading every uncompressed depth and writing 1, 4, 8, 16, 24 and
// 32 bits per pixel. Damaged data is refused, never read past its end.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

struct BmpImage {
  int width = 0;
  int height = 0;
  int bitsPerPixel = 24;
  std::vector<uint32_t> palette;  // 0x00RRGGBB; for up to 8 bits, built when empty
  std::vector<uint32_t> pixels;   // 0xFFRRGGBB, rows from the top
  int xPelsPerMeter = 3780;       // 96 dots per inch
  int yPelsPerMeter = 3780;
};

// Raises EInvalidGraphic("Bitmap image is not valid") for damaged data; gives nothing for
// a sound file of a compression it does not read (run-length, embedded JPEG or PNG).
std::optional<BmpImage> ReadBmp(const std::vector<uint8_t>& data);
std::vector<uint8_t> WriteBmp(const BmpImage& image);
// The palette a depth of up to 8 bits is written with when the image has none.
std::vector<uint32_t> DefaultPalette(const BmpImage& image);
