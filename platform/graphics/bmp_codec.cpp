#include "platform/graphics/bmp_codec.h"

#include <algorithm>
#include <bit>
#include <map>

#include "platform/graphics/graphic.h"

namespace {

constexpr int kFileHeader = 14;
constexpr int kInfoHeader = 40;
constexpr int64_t kMaxPixels = int64_t{1} << 27;
constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiBitfields = 3;

[[noreturn]] void Invalid() { throw EInvalidGraphic("Bitmap image is not valid"); }

class Reader {
 public:
  explicit Reader(const std::vector<uint8_t>& data) : data_(data) {}
  uint32_t U8(size_t at) const { return Need(at, 1), data_[at]; }
  uint32_t U16(size_t at) const { return Need(at, 2), data_[at] | data_[at + 1] << 8; }
  uint32_t U32(size_t at) const { return U16(at) | U16(at + 2) << 16; }
  int32_t I32(size_t at) const { return static_cast<int32_t>(U32(at)); }
  void Need(size_t at, size_t count) const {
    if (at > data_.size() || count > data_.size() - at) Invalid();
  }

 private:
  const std::vector<uint8_t>& data_;
};

struct Channel {
  uint32_t mask = 0;
  int shift = 0;
  int bits = 0;
  uint32_t Take(uint32_t value) const {
    if (bits == 0) return 0;
    uint32_t v = (value & mask) >> shift;
    return bits >= 8 ? v >> (bits - 8) : v * 255 / ((1u << bits) - 1);
  }
};

Channel ChannelOf(uint32_t mask) {
  Channel c{mask, 0, 0};
  if (mask == 0) return c;
  c.shift = std::countr_zero(mask);
  c.bits = std::popcount(mask);
  return c;
}

struct Layout {
  int width;
  int height;  // negative: rows from the top
  int bits;
  uint32_t compression;
  uint32_t colorsUsed;
  size_t paletteAt;
  int paletteEntry;  // 3 bytes in the old core header, else 4
  Channel red, green, blue;
  int xPels, yPels;
};

// The info header sizes of the Windows versions (and of OS/2's second one).
bool KnownHeader(uint32_t size) {
  for (uint32_t known : {40u, 52u, 56u, 64u, 108u, 124u})
    if (size == known) return true;
  return false;
}

Layout ReadLayout(const Reader& r, size_t fileSize) {
  if (r.U16(0) != 0x4D42) Invalid();
  uint32_t headerSize = r.U32(kFileHeader);
  Layout l{};
  if (headerSize == 12) {
    l = {static_cast<int>(r.U16(18)), static_cast<int>(r.U16(20)), static_cast<int>(r.U16(24)),
         kBiRgb, 0, kFileHeader + 12, 3, {}, {}, {}, 3780, 3780};
  } else if (KnownHeader(headerSize) && headerSize <= fileSize) {
    l = {r.I32(18), r.I32(22), static_cast<int>(r.U16(28)), r.U32(30), r.U32(46),
         kFileHeader + headerSize, 4, {}, {}, {}, r.I32(38), r.I32(42)};
    if (l.compression == kBiBitfields) {
      size_t masks = kFileHeader + kInfoHeader;
      l.red = ChannelOf(r.U32(masks));
      l.green = ChannelOf(r.U32(masks + 4));
      l.blue = ChannelOf(r.U32(masks + 8));
      if (headerSize == kInfoHeader) l.paletteAt += 12;
    }
  } else {
    Invalid();
  }
  if (l.compression == kBiRgb && l.bits == 16) {
    l.red = ChannelOf(0x7C00);
    l.green = ChannelOf(0x03E0);
    l.blue = ChannelOf(0x001F);
  }
  return l;
}

std::vector<uint32_t> ReadPalette(const Reader& r, const Layout& l) {
  if (l.bits > 8) return {};
  size_t count = l.colorsUsed ? l.colorsUsed : size_t{1} << l.bits;
  if (count > 256) Invalid();
  r.Need(l.paletteAt, count * l.paletteEntry);
  std::vector<uint32_t> palette(count);
  for (size_t i = 0; i < count; ++i) {
    size_t at = l.paletteAt + i * l.paletteEntry;
    palette[i] = r.U8(at) | r.U8(at + 1) << 8 | r.U8(at + 2) << 16;
  }
  return palette;
}

// In 64 bits: a wide 32-bit row would overflow an int and pass the size check as zero bytes.
size_t RowBytes(int64_t width, int bits) { return static_cast<size_t>((width * bits + 31) / 32 * 4); }

uint32_t PixelAt(const uint8_t* row, int x, const Layout& l, const std::vector<uint32_t>& palette) {
  switch (l.bits) {
    case 1:
    case 4:
    case 8: {
      int perByte = 8 / l.bits;
      int shift = 8 - l.bits * (x % perByte + 1);
      uint32_t index = (row[x / perByte] >> shift) & ((1u << l.bits) - 1);
      return index < palette.size() ? palette[index] : 0;
    }
    case 16: {
      uint32_t v = row[x * 2] | row[x * 2 + 1] << 8;
      return l.red.Take(v) << 16 | l.green.Take(v) << 8 | l.blue.Take(v);
    }
    case 24:
      return row[x * 3] | row[x * 3 + 1] << 8 | row[x * 3 + 2] << 16;
    default: {
      uint32_t v = row[x * 4] | row[x * 4 + 1] << 8 | row[x * 4 + 2] << 16 |
                   static_cast<uint32_t>(row[x * 4 + 3]) << 24;
      if (l.compression != kBiBitfields) return v & 0xFFFFFF;
      return l.red.Take(v) << 16 | l.green.Take(v) << 8 | l.blue.Take(v);
    }
  }
}

void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

int Distance(uint32_t a, uint32_t b) {
  int dr = int(a >> 16 & 0xFF) - int(b >> 16 & 0xFF);
  int dg = int(a >> 8 & 0xFF) - int(b >> 8 & 0xFF);
  int db = int(a & 0xFF) - int(b & 0xFF);
  return dr * dr + dg * dg + db * db;
}

class PaletteIndex {
 public:
  explicit PaletteIndex(const std::vector<uint32_t>& palette) : palette_(palette) {}
  uint32_t operator()(uint32_t rgb) {
    auto hit = cache_.find(rgb);
    if (hit != cache_.end()) return hit->second;
    uint32_t best = 0;
    for (uint32_t i = 0; i < palette_.size(); ++i)
      if (Distance(palette_[i], rgb) < Distance(palette_[best], rgb)) best = i;
    return cache_[rgb] = best;
  }

 private:
  const std::vector<uint32_t>& palette_;
  std::map<uint32_t, uint32_t> cache_;
};

void WritePixel(uint8_t* row, int x, uint32_t rgb, int bits, PaletteIndex& index) {
  switch (bits) {
    case 1:
    case 4:
    case 8: {
      int perByte = 8 / bits;
      int shift = 8 - bits * (x % perByte + 1);
      row[x / perByte] = static_cast<uint8_t>(row[x / perByte] | index(rgb) << shift);
      break;
    }
    case 16: {
      uint32_t v = (rgb >> 19 & 0x1F) << 10 | (rgb >> 11 & 0x1F) << 5 | (rgb >> 3 & 0x1F);
      row[x * 2] = static_cast<uint8_t>(v);
      row[x * 2 + 1] = static_cast<uint8_t>(v >> 8);
      break;
    }
    default: {
      int step = bits / 8;
      row[x * step] = static_cast<uint8_t>(rgb);
      row[x * step + 1] = static_cast<uint8_t>(rgb >> 8);
      row[x * step + 2] = static_cast<uint8_t>(rgb >> 16);
      break;
    }
  }
}

}  // namespace

std::optional<BmpImage> ReadBmp(const std::vector<uint8_t>& data) {
  Reader r(data);
  Layout l = ReadLayout(r, data.size());
  if (l.compression != kBiRgb && !(l.compression == kBiBitfields && (l.bits == 16 || l.bits == 32)))
    return std::nullopt;
  bool topDown = l.height < 0;
  int64_t height = topDown ? -int64_t{l.height} : l.height;
  if (l.width <= 0 || height <= 0 || l.width * height > kMaxPixels) Invalid();
  if (l.bits != 1 && l.bits != 4 && l.bits != 8 && l.bits != 16 && l.bits != 24 && l.bits != 32)
    Invalid();
  BmpImage image;
  image.width = l.width;
  image.height = static_cast<int>(height);
  image.bitsPerPixel = l.bits;
  image.xPelsPerMeter = l.xPels;
  image.yPelsPerMeter = l.yPels;
  image.palette = ReadPalette(r, l);
  size_t offset = r.U32(10);
  size_t rowBytes = RowBytes(l.width, l.bits);
  r.Need(offset, rowBytes * static_cast<size_t>(height));
  image.pixels.resize(static_cast<size_t>(l.width * height));
  for (int y = 0; y < image.height; ++y) {
    int fileRow = topDown ? y : image.height - 1 - y;
    const uint8_t* row = data.data() + offset + rowBytes * static_cast<size_t>(fileRow);
    uint32_t* out = image.pixels.data() + static_cast<size_t>(y) * l.width;
    for (int x = 0; x < l.width; ++x) {
      out[x] = 0xFF000000u | PixelAt(row, x, l, image.palette);
    }
  }
  return image;
}

std::vector<uint32_t> DefaultPalette(const BmpImage& image) {
  int bits = image.bitsPerPixel;
  if (bits == 1) return {0x000000, 0xFFFFFF};
  if (bits == 4)
    return {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
            0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
  std::vector<uint32_t> colours;
  for (uint32_t p : image.pixels) {
    uint32_t c = p & 0xFFFFFF;
    if (std::find(colours.begin(), colours.end(), c) != colours.end()) continue;
    if (colours.size() == 256) {
      colours.clear();  // too many colours: a fixed cube of 6 x 6 x 6 levels
      for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
          for (int b = 0; b < 6; ++b) colours.push_back(uint32_t(r * 51) << 16 | g * 51 << 8 | b * 51);
      break;
    }
    colours.push_back(c);
  }
  return colours.empty() ? std::vector<uint32_t>{0} : colours;
}

std::vector<uint8_t> WriteBmp(const BmpImage& image) {
  int bits = image.bitsPerPixel;
  std::vector<uint32_t> palette;
  if (bits <= 8) palette = image.palette.empty() ? DefaultPalette(image) : image.palette;
  size_t rowBytes = RowBytes(image.width, bits);
  uint32_t pixelBytes = static_cast<uint32_t>(rowBytes * static_cast<size_t>(image.height));
  uint32_t offset = kFileHeader + kInfoHeader + static_cast<uint32_t>(palette.size()) * 4;
  std::vector<uint8_t> out;
  out.reserve(offset + pixelBytes);
  Put16(out, 0x4D42);
  Put32(out, offset + pixelBytes);
  Put32(out, 0);
  Put32(out, offset);
  Put32(out, kInfoHeader);
  Put32(out, static_cast<uint32_t>(image.width));
  Put32(out, static_cast<uint32_t>(image.height));
  Put16(out, 1);
  Put16(out, static_cast<uint32_t>(bits));
  Put32(out, kBiRgb);
  Put32(out, pixelBytes);
  Put32(out, static_cast<uint32_t>(image.xPelsPerMeter));
  Put32(out, static_cast<uint32_t>(image.yPelsPerMeter));
  Put32(out, static_cast<uint32_t>(palette.size()));
  Put32(out, 0);
  for (uint32_t c : palette) Put32(out, c);
  out.resize(offset + pixelBytes, 0);
  PaletteIndex index(palette);
  for (int y = 0; y < image.height; ++y) {
    uint8_t* row = out.data() + offset + static_cast<size_t>(image.height - 1 - y) * rowBytes;
    const uint32_t* in = image.pixels.data() + static_cast<size_t>(y) * image.width;
    for (int x = 0; x < image.width; ++x) WritePixel(row, x, in[x] & 0xFFFFFF, bits, index);
  }
  return out;
}
