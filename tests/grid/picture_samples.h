// Picture data for the picture tests: GIFs of plain-coloured frames made here (an LZW stream
// that clears its table every two pixels, so every code stays 3 bits wide), and a small PNG.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/core/stream.h"
#include "platform/graphics/graphic.h"

// Colour indexes of the samples' global colour table.
enum SampleColor : uint8_t { scBlack, scRed, scLime, scBlue };

struct GifFrameSpec {
  int Left, Top, Width, Height;
  int Delay;  // hundredths of a second
  SampleColor Color;
};

inline std::vector<uint8_t> MakeGif(int screenWidth, int screenHeight,
                                    const std::vector<GifFrameSpec>& frames) {
  std::vector<uint8_t> d = {'G', 'I', 'F', '8', '9', 'a'};
  auto word = [&d](int v) {
    d.push_back(static_cast<uint8_t>(v & 0xFF));
    d.push_back(static_cast<uint8_t>(v >> 8));
  };
  word(screenWidth);
  word(screenHeight);
  d.insert(d.end(), {0x91, 0, 0});  // a global table of 4 colours
  d.insert(d.end(), {0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255});
  for (const GifFrameSpec& f : frames) {
    d.insert(d.end(), {0x21, 0xF9, 4, 0x04});  // disposal 1: leave the frame in place
    word(f.Delay);
    d.insert(d.end(), {0, 0, 0x2C});
    word(f.Left);
    word(f.Top);
    word(f.Width);
    word(f.Height);
    d.insert(d.end(), {0, 2});  // no local table; LZW codes of 2-bit pixels
    std::vector<uint8_t> codes;
    uint32_t bits = 0;
    int used = 0;
    auto putCode = [&](uint32_t code) {
      bits |= code << used;
      for (used += 3; used >= 8; used -= 8, bits >>= 8) codes.push_back(bits & 0xFF);
    };
    for (int i = 0; i < f.Width * f.Height; ++i) {
      if (i % 2 == 0) putCode(4);  // clear
      putCode(f.Color);
    }
    putCode(5);  // end of information
    if (used > 0) codes.push_back(bits & 0xFF);
    for (size_t at = 0; at < codes.size(); at += 255) {
      const size_t n = std::min<size_t>(255, codes.size() - at);
      d.push_back(static_cast<uint8_t>(n));
      d.insert(d.end(), codes.begin() + static_cast<std::ptrdiff_t>(at),
               codes.begin() + static_cast<std::ptrdiff_t>(at + n));
    }
    d.push_back(0);
  }
  d.push_back(0x3B);
  return d;
}

// 30 x 20: a red frame over all, a lime one at (5, 4) 10 x 8, a blue one at (12, 6) 6 x 5.
inline std::vector<uint8_t> ThreeFrameGif() {
  return MakeGif(30, 20,
                 {{0, 0, 30, 20, 10, scRed}, {5, 4, 10, 8, 20, scLime}, {12, 6, 6, 5, 30, scBlue}});
}

// A red PNG of 4 x 3 pixels.
inline std::vector<uint8_t> RedPng() {
  const std::string bytes(
      "\x89\x50\x4E\x47\x0D\x0A\x1A\x0A\x00\x00\x00\x0D\x49\x48\x44\x52\x00\x00\x00\x04\x00\x00"
      "\x00\x03\x08\x02\x00\x00\x00\x3B\x96\x39\x91\x00\x00\x00\x10\x49\x44\x41\x54\x78\x9C\x63"
      "\xF8\xCF\xC0\x00\x47\x0C\x38\x39\x00\xF5\x31\x0B\xF5\x35\x7B\xFB\x82\x00\x00\x00\x00\x49"
      "\x45\x4E\x44\xAE\x42\x60\x82",
      72);
  return {bytes.begin(), bytes.end()};
}

inline std::string PngText() {
  const std::vector<uint8_t> bytes = RedPng();
  return {bytes.begin(), bytes.end()};
}

// An icon of 2 x 2 red pixels, 32 bits each, with an empty mask.
inline std::vector<uint8_t> RedIcon() {
  std::vector<uint8_t> d = {0, 0, 1, 0, 1, 0,                 // an icon file of one image
                            2, 2, 0, 0, 1, 0, 32, 0, 64, 0, 0, 0, 22, 0, 0, 0};
  const uint8_t header[40] = {40, 0, 0, 0, 2, 0, 0, 0, 4, 0, 0, 0, 1, 0, 32, 0};
  d.insert(d.end(), header, header + 40);
  for (int pixel = 0; pixel < 4; ++pixel) d.insert(d.end(), {0, 0, 255, 255});
  d.insert(d.end(), 8, 0);
  return d;
}

inline void LoadBytes(TGraphic& graphic, const std::vector<uint8_t>& bytes) {
  TMemoryStream stream;
  stream.Write(bytes.data(), static_cast<int64_t>(bytes.size()));
  stream.SetPosition(0);
  graphic.LoadFromStream(stream);
}
