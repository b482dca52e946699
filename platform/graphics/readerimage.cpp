#include "platform/graphics/readerimage.h"

#include <typeinfo>

#include "platform/core/exception.h"
#include "platform/graphics/qt/qt_image.h"

TReaderImage::TReaderImage(const char* format, const char* error)
    : format_(format), error_(error), pixels_(std::make_unique<ImagePixels>()) {}

TReaderImage::~TReaderImage() = default;

bool TReaderImage::GetEmpty() const { return pixels_->image.isNull(); }
int TReaderImage::GetWidth() const { return pixels_->image.width(); }
int TReaderImage::GetHeight() const { return pixels_->image.height(); }

void TReaderImage::LoadFromStream(TStream& stream) {
  std::vector<uint8_t> data = stream.ReadRest();
  pixels_->image = DecodeImage(data, format_, error_).convertToFormat(QImage::Format_ARGB32);
  data_ = std::move(data);
  Changed();
}

void TReaderImage::SaveToStream(TStream& stream) {
  stream.WriteBuffer(data_.data(), static_cast<int64_t>(data_.size()));
}

void TReaderImage::Assign(const TGraphic* source) {
  if (source == this) return;
  const TReaderImage* other = dynamic_cast<const TReaderImage*>(source);
  if (!other || typeid(*other) != typeid(*this)) throw EConvertError("Cannot assign this graphic");
  data_ = other->data_;
  pixels_->image = other->pixels_->image;
  Changed();
}

void TReaderImage::Draw(TCanvas& canvas, const TRect& rect) {
  PaintImage(canvas, rect, pixels_->image, true);
}

void TReaderImage::Crop(const TRect& rect) {
  pixels_->image = pixels_->image.copy(rect.Left, rect.Top, rect.Width(), rect.Height());
  Changed();
}
