#include "components/grid/html/FilePicture.h"

#include <memory>

#include "platform/graphics/picture.h"

namespace {

// The file's picture, or null when it does not read.
std::unique_ptr<TPicture> Load(const AnsiString& name) {
  if (name.empty()) return nullptr;
  auto picture = std::make_unique<TPicture>();
  try {
    picture->LoadFromFile(name);
  } catch (const Exception&) {
    return nullptr;
  }
  return picture;
}

}  // namespace

void TFilePicture::SetFileName(const AnsiString& Name) {
  filename_ = Name;
  const std::unique_ptr<TPicture> picture = Load(Name);
  width_ = picture ? picture->GetWidth() : 0;
  height_ = picture ? picture->GetHeight() : 0;
}

void TFilePicture::DrawPicture(TCanvas* Canvas, const TRect& R) const {
  const std::unique_ptr<TPicture> picture = Load(filename_);
  if (picture && picture->GetGraphic()) Canvas->StretchDraw(R, picture->GetGraphic());
}

void TFilePicture::Assign(const TFilePicture& Source) {
  filename_ = Source.filename_;
  width_ = Source.width_;
  height_ = Source.height_;
}
