#include "platform/graphics/picture.h"

#include <cstring>

#include "platform/graphics/bitmap.h"
#include "platform/graphics/jpeg.h"
#include "platform/graphics/readerimage.h"

namespace {

AnsiString ExtensionOf(const AnsiString& fileName) {
  size_t dot = fileName.find_last_of('.');
  size_t slash = fileName.find_last_of("/\\");
  if (dot == AnsiString::npos || (slash != AnsiString::npos && dot < slash)) return "";
  return LowerCase(fileName.substr(dot));
}

std::unique_ptr<TGraphic> ForExtension(const AnsiString& ext) {
  if (ext == ".bmp") return std::make_unique<TBitmap>();
  if (ext == ".jpg" || ext == ".jpeg" || ext == ".jpe" || ext == ".jfif")
    return std::make_unique<TJPEGImage>();
  if (ext == ".png") return std::make_unique<TPngImage>();
  if (ext == ".gif") return std::make_unique<TGIFImage>();
  if (ext == ".ico") return std::make_unique<TIcon>();
  throw EInvalidGraphic("Unknown picture file extension (" + ext + ")");
}

std::unique_ptr<TGraphic> ForSignature(const std::vector<uint8_t>& d) {
  auto starts = [&](const char* sig, size_t n) {
    return d.size() >= n && std::memcmp(d.data(), sig, n) == 0;
  };
  if (starts("BM", 2)) return std::make_unique<TBitmap>();
  if (starts("\xFF\xD8", 2)) return std::make_unique<TJPEGImage>();
  if (starts("\x89PNG", 4)) return std::make_unique<TPngImage>();
  if (starts("GIF8", 4)) return std::make_unique<TGIFImage>();
  if (starts("\0\0\1\0", 4)) return std::make_unique<TIcon>();
  throw EInvalidGraphic("Unknown picture format");
}

std::unique_ptr<TGraphic> SameKind(const TGraphic& g) {
  if (dynamic_cast<const TBitmap*>(&g)) return std::make_unique<TBitmap>();
  if (dynamic_cast<const TJPEGImage*>(&g)) return std::make_unique<TJPEGImage>();
  if (dynamic_cast<const TPngImage*>(&g)) return std::make_unique<TPngImage>();
  if (dynamic_cast<const TGIFImage*>(&g)) return std::make_unique<TGIFImage>();
  if (dynamic_cast<const TIcon*>(&g)) return std::make_unique<TIcon>();
  return std::make_unique<TBitmap>();  // a kind of its own: kept as its picture
}

}  // namespace

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::Take(std::unique_ptr<TGraphic> graphic) {
  graphic_ = std::move(graphic);
  if (graphic_)
    graphic_->OnChange = [this](TObject*) {
      if (OnChange) OnChange(this);
    };
  if (OnChange) OnChange(this);
}

void TPicture::SetGraphic(const TGraphic* graphic) {
  if (graphic == graphic_.get()) return;
  if (!graphic) return Take(nullptr);
  std::unique_ptr<TGraphic> copy = SameKind(*graphic);
  copy->Assign(graphic);
  Take(std::move(copy));
}

TBitmap* TPicture::GetBitmap() {
  if (!dynamic_cast<TBitmap*>(graphic_.get())) Take(std::make_unique<TBitmap>());
  return static_cast<TBitmap*>(graphic_.get());
}

int TPicture::GetWidth() const { return graphic_ ? graphic_->GetWidth() : 0; }
int TPicture::GetHeight() const { return graphic_ ? graphic_->GetHeight() : 0; }

void TPicture::LoadFromFile(const AnsiString& fileName) {
  std::unique_ptr<TGraphic> graphic = ForExtension(ExtensionOf(fileName));
  graphic->LoadFromFile(fileName);
  Take(std::move(graphic));
}

void TPicture::SaveToFile(const AnsiString& fileName) {
  if (graphic_) graphic_->SaveToFile(fileName);
}

void TPicture::LoadFromStream(TStream& stream) {
  std::vector<uint8_t> data = stream.ReadRest();
  std::unique_ptr<TGraphic> graphic = ForSignature(data);
  TMemoryStream memory;
  memory.WriteBuffer(data.data(), static_cast<int64_t>(data.size()));
  memory.SetPosition(0);
  graphic->LoadFromStream(memory);
  Take(std::move(graphic));
}

void TPicture::Assign(const TPicture* source) {
  if (source != this) SetGraphic(source ? source->GetGraphic() : nullptr);
}
