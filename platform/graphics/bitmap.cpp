#include "platform/graphics/bitmap.h"

#include "platform/graphics/bmp_codec.h"
#include "platform/graphics/qt/qt_canvas.h"
#include "platform/graphics/qt/qt_color.h"
#include "platform/graphics/qt/qt_image.h"

// The bitmap's canvas paints on its image; the painter ends whenever the bitmap itself
// needs the pixels, and begins again at the next drawing call.
class TBitmap::Device : public CanvasDevice {
 public:
  explicit Device(QImage& image) : image_(image) {}
  ~Device() override { End(); }
  QPainter* Painter() override {
    if (image_.isNull()) return nullptr;
    if (!painter_.isActive()) painter_.begin(&image_);
    return painter_.isActive() ? &painter_ : nullptr;
  }
  const QImage* Image() override { return image_.isNull() ? nullptr : &image_; }
  TDeviceCaps Caps() const override {
    TDeviceCaps caps;
    caps.width = caps.physicalWidth = image_.width();
    caps.height = caps.physicalHeight = image_.height();
    return caps;
  }
  void End() {
    if (painter_.isActive()) painter_.end();
  }

 private:
  QImage& image_;
  QPainter painter_;
};

TBitmap::TBitmap()
    : Canvas(new TCanvas),
      canvas_(Canvas),
      pixels_(std::make_unique<ImagePixels>()),
      device_(std::make_unique<Device>(pixels_->image)) {
  Rebind();
}

TBitmap::~TBitmap() { CanvasAccess::Bind(*canvas_, nullptr); }

ImagePixels& TBitmap::Pixels() {
  device_->End();
  return *pixels_;
}

void TBitmap::PixelsChanged() {
  Rebind();
  Changed();
}

void TBitmap::Rebind() { CanvasAccess::Bind(*canvas_, device_.get()); }

bool TBitmap::GetEmpty() const { return pixels_->image.isNull(); }
int TBitmap::GetWidth() const { return pixels_->image.width(); }
int TBitmap::GetHeight() const { return pixels_->image.height(); }

void TBitmap::SetSize(int width, int height) {
  width = std::max(0, width);
  height = std::max(0, height);
  QImage& image = Pixels().image;
  if (width == image.width() && height == image.height()) return;
  QImage resized;
  if (width > 0 && height > 0) {
    resized = QImage(width, height, QImage::Format_RGB32);
    resized.fill(Qt::white);
    QPainter p(&resized);
    p.drawImage(0, 0, image);
  }
  image = resized;
  Rebind();
  Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
  if (format == pixelFormat_) return;
  pixelFormat_ = format;
  palette_.clear();
  Changed();
}

TColor TBitmap::GetTransparentColor() const {
  if (transparentMode_ == tmFixed) return transparentColor_;
  const QImage& image = pixels_->image;
  return image.isNull() ? clDefault : FromQColor(image.pixelColor(0, image.height() - 1));
}

void TBitmap::SetTransparentColor(TColor color) {
  transparentColor_ = color;
  transparentMode_ = color == clDefault ? tmAuto : tmFixed;
  Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode mode) {
  transparentMode_ = mode;
  Changed();
}

namespace {

int BitsOf(TPixelFormat format) {
  static const int kBits[] = {32, 1, 4, 8, 16, 16, 24, 32, 32};
  return kBits[format];
}

TPixelFormat FormatOf(int bits) {
  switch (bits) {
    case 1: return pf1bit;
    case 4: return pf4bit;
    case 8: return pf8bit;
    case 16: return pf16bit;
    case 24: return pf24bit;
    default: return pf32bit;
  }
}

}  // namespace

void TBitmap::LoadFromStream(TStream& stream) {
  std::vector<uint8_t> data = stream.ReadRest();
  std::optional<BmpImage> bmp = ReadBmp(data);
  QImage& image = Pixels().image;
  if (bmp) {
    image = QImage(bmp->width, bmp->height, QImage::Format_RGB32);
    for (int y = 0; y < bmp->height; ++y)
      std::copy_n(bmp->pixels.data() + static_cast<size_t>(y) * bmp->width, bmp->width,
                  reinterpret_cast<uint32_t*>(image.scanLine(y)));
    pixelFormat_ = FormatOf(bmp->bitsPerPixel);
    palette_ = bmp->palette;
  } else {
    image = DecodeImage(data, "bmp", "Bitmap image is not valid").convertToFormat(QImage::Format_RGB32);
    pixelFormat_ = pfDevice;
    palette_.clear();
  }
  Rebind();
  Changed();
}

void TBitmap::SaveToStream(TStream& stream) {
  const QImage& image = Pixels().image;
  if (image.isNull()) return;
  BmpImage bmp;
  bmp.width = image.width();
  bmp.height = image.height();
  bmp.bitsPerPixel = BitsOf(pixelFormat_);
  bmp.palette = palette_;
  bmp.pixels.resize(static_cast<size_t>(bmp.width) * bmp.height);
  QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < bmp.height; ++y)
    std::copy_n(reinterpret_cast<const uint32_t*>(rgb.constScanLine(y)), bmp.width,
                bmp.pixels.data() + static_cast<size_t>(y) * bmp.width);
  std::vector<uint8_t> bytes = WriteBmp(bmp);
  stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
}

void TBitmap::Assign(const TGraphic* source) {
  if (source == this) return;
  if (const TBitmap* bitmap = dynamic_cast<const TBitmap*>(source)) {
    Pixels().image = const_cast<TBitmap*>(bitmap)->Pixels().image;
    pixelFormat_ = bitmap->pixelFormat_;
    palette_ = bitmap->palette_;
    transparentMode_ = bitmap->transparentMode_;
    transparentColor_ = bitmap->transparentColor_;
    SetTransparent(bitmap->GetTransparent());
    Rebind();
    Changed();
    return;
  }
  Pixels().image = QImage();
  if (source && !source->GetEmpty()) {
    SetSize(source->GetWidth(), source->GetHeight());
    Canvas->Draw(0, 0, const_cast<TGraphic*>(source));
  }
  Rebind();
  Changed();
}

void TBitmap::Draw(TCanvas& canvas, const TRect& rect) {
  QImage image = Pixels().image;
  if (GetTransparent())
    PaintImage(canvas, rect, WithTransparentColor(image, GetTransparentColor()), true);
  else
    PaintImage(canvas, rect, image, false);
}
