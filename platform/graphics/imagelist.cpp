#include "platform/graphics/imagelist.h"

#include <QPainter>

#include <vector>

#include "platform/graphics/qt/qt_image.h"

struct ImageListImages {
  std::vector<QImage> list;  // each width x height, with alpha
};

namespace {

// One image of the list as a graphic, so that it reaches the canvas through Draw.
class ListImage : public TGraphic {
 public:
  explicit ListImage(const QImage& image) : image_(image) {}
  bool GetEmpty() const override { return image_.isNull(); }
  int GetWidth() const override { return image_.width(); }
  int GetHeight() const override { return image_.height(); }
  void LoadFromStream(TStream&) override {}
  void SaveToStream(TStream&) override {}
  void Assign(const TGraphic*) override {}
  void Draw(TCanvas& canvas, const TRect& rect) override { PaintImage(canvas, rect, image_, true); }

 private:
  QImage image_;
};

}  // namespace

TImageList::TImageList(int width, int height)
    : width_(std::max(1, width)), height_(std::max(1, height)),
      images_(std::make_unique<ImageListImages>()) {}

TImageList::~TImageList() = default;

void TImageList::SetWidth(int width) {
  width_ = std::max(1, width);
  Clear();
}

void TImageList::SetHeight(int height) {
  height_ = std::max(1, height);
  Clear();
}

int TImageList::GetCount() const { return static_cast<int>(images_->list.size()); }

int TImageList::Add(TBitmap* image, TBitmap* mask) {
  return image ? AddImage(*image, mask, clNone) : -1;
}

int TImageList::AddMasked(TBitmap* image, TColor maskColor) {
  return image ? AddImage(*image, nullptr, maskColor) : -1;
}

int TImageList::AddImage(const TBitmap& bitmap, const TBitmap* mask, TColor maskColor) {
  QImage source = const_cast<TBitmap&>(bitmap).Pixels().image;
  if (source.isNull()) return -1;
  source = maskColor == clNone ? source.convertToFormat(QImage::Format_ARGB32)
                               : WithTransparentColor(source, maskColor);
  if (mask && !mask->GetEmpty()) {
    QImage m = const_cast<TBitmap*>(mask)->Pixels().image;
    for (int y = 0; y < std::min(m.height(), source.height()); ++y)
      for (int x = 0; x < std::min(m.width(), source.width()); ++x)
        if ((m.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF) source.setPixel(x, y, 0);
  }
  int first = GetCount();
  int pieces = std::max(1, source.width() / width_);
  for (int i = 0; i < pieces; ++i) {
    QImage piece(width_, height_, QImage::Format_ARGB32);
    piece.fill(Qt::transparent);
    QPainter p(&piece);
    p.drawImage(0, 0, source, i * width_, 0, width_, height_);
    p.end();
    images_->list.push_back(piece);
  }
  return first;
}

void TImageList::Delete(int index) {
  if (index >= 0 && index < GetCount()) images_->list.erase(images_->list.begin() + index);
}

void TImageList::Clear() { images_->list.clear(); }

void TImageList::Draw(TCanvas* canvas, int x, int y, int index, bool enabled) {
  if (!canvas || index < 0 || index >= GetCount()) return;
  QImage image = images_->list[static_cast<size_t>(index)];
  if (!enabled) {
    QImage gray = image.convertToFormat(QImage::Format_Grayscale8).convertToFormat(QImage::Format_ARGB32);
    gray.setAlphaChannel(image.convertToFormat(QImage::Format_Alpha8));
    image = gray;
  }
  ListImage graphic(image);
  canvas->Draw(x, y, &graphic);
}

void TImageList::GetBitmap(int index, TBitmap* image) {
  if (!image || index < 0 || index >= GetCount()) return;
  image->SetSize(width_, height_);
  QImage& target = image->Pixels().image;
  target.fill(Qt::white);
  QPainter p(&target);
  p.drawImage(0, 0, images_->list[static_cast<size_t>(index)]);
  p.end();
  image->PixelsChanged();
}
