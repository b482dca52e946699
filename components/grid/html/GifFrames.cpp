#include "components/grid/html/GifFrames.h"

#include <cstring>
#include <functional>

namespace {

constexpr size_t kFrameSpan = 9;        // the extension (8 bytes) and the descriptor's 0x2C
constexpr size_t kDescriptorSize = 10;  // 0x2C, left, top, width, height, packed field

int Word(const TGIFBytes& d, size_t at) { return d[at] | (d[at + 1] << 8); }

bool IsFrameAt(const TGIFBytes& d, size_t i) {
  return d[i] == 0x21 && d.size() - i - 1 > kFrameSpan - 1 && d[i + 1] == 0xF9 && d[i + 2] == 4 &&
         d[i + 8] == 0x2C;
}

// Calls `visit(number, offset)` for each frame until it answers false.
void ForEachFrame(const TGIFBytes& d, const std::function<bool(int, size_t)>& visit) {
  int number = 0;
  for (size_t i = 0; i < d.size(); ++i)
    if (IsFrameAt(d, i) && !visit(++number, i)) return;
}

}  // namespace

bool IsGIFData(const TGIFBytes& data) {
  return data.size() > 4 && std::memcmp(data.data(), "GIF8", 4) == 0;
}

int CountGIFFrames(const TGIFBytes& data) {
  int count = 0;
  ForEachFrame(data, [&](int number, size_t) { return (count = number), true; });
  return count;
}

TGIFFrameTiming GIFFrameTiming(const TGIFBytes& data, int frame) {
  TGIFFrameTiming timing;
  ForEachFrame(data, [&](int number, size_t at) {
    if (number != frame) return true;
    const uint8_t packed = data[at + 3];
    timing = {Word(data, at + 4), (packed & 1) != 0, (packed >> 2) & 7};
    return false;
  });
  return timing;
}

TGIFFrameCut CutGIFFrame(const TGIFBytes& data, int frame) {
  TGIFFrameCut cut;
  if (data.size() >= 10) {
    cut.ScreenWidth = Word(data, 6);
    cut.ScreenHeight = Word(data, 8);
  }
  // Copied: everything before the first frame, then everything from the wanted frame on.
  size_t skipFrom = data.size(), keepFrom = data.size();
  ForEachFrame(data, [&](int number, size_t at) {
    if (number == 1) skipFrom = at;
    if (number != frame) return true;
    keepFrom = at;
    const size_t descriptor = at + kFrameSpan - 1;
    if (data.size() >= descriptor + kDescriptorSize) {
      const int left = Word(data, descriptor + 1), top = Word(data, descriptor + 3);
      const TRect frameRect = Bounds(left, top, Word(data, descriptor + 5), Word(data, descriptor + 7));
      // A frame shows on its screen only; one that claims more is damaged there.
      IntersectRect(cut.Rect, frameRect, Bounds(0, 0, cut.ScreenWidth, cut.ScreenHeight));
    }
    return false;
  });
  cut.Data.assign(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(skipFrom));
  cut.Data.insert(cut.Data.end(), data.begin() + static_cast<std::ptrdiff_t>(keepFrom), data.end());
  return cut;
}
