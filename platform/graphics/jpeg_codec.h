// JPEG decoding and encoding through libjpeg. Damaged data raises EInvalidGraphic; it never
// ends the program.
#pragma once

#include <cstdint>
#include <vector>

struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgb;  // three bytes a pixel, rows from the top
};

RgbImage DecodeJpeg(const std::vector<uint8_t>& data);
// quality 1..100; grayscale writes one channel.
std::vector<uint8_t> EncodeJpeg(const RgbImage& image, int quality, bool grayscale);
