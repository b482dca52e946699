// The frames of GIF data as the HTML picture finds them: a frame is a graphic control
// extension (0x21 0xF9 0x04 ...) followed at once by an image descriptor (0x2C). The data is
// searched byte by byte for that pattern, as the pictures have always been cut; every read
// stays inside the data, so truncated or damaged files give fewer frames, never a bad read.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/graphics/geometry.h"

using TGIFBytes = std::vector<uint8_t>;

// Longer than 4 bytes and starting with "GIF8".
bool IsGIFData(const TGIFBytes& data);
int CountGIFFrames(const TGIFBytes& data);

// What the graphic control extension of a frame (1-based) says: its delay in hundredths of
// a second (-1 when there is no such frame), transparency and disposal method.
struct TGIFFrameTiming {
  int Delay = -1;
  bool Transparent = false;
  int Disposal = 0;
};
TGIFFrameTiming GIFFrameTiming(const TGIFBytes& data, int frame);

// GIF data that a decoder reads as the wanted frame: the header and the global data, then
// the frames from the wanted one on. Rect is the part of the logical screen that frame
// covers (empty when the frame or its descriptor is missing, or it lies off the screen).
// A screen wider or higher than kGIFScreenLimit is no picture a grid shows: damaged.
constexpr int kGIFScreenLimit = 16384;
struct TGIFFrameCut {
  TGIFBytes Data;
  TRect Rect;
  int ScreenWidth = 0;
  int ScreenHeight = 0;
};
TGIFFrameCut CutGIFFrame(const TGIFBytes& data, int frame);
