// TJPEGImage: a JPEG picture, decoded and encoded with libjpeg. It keeps the file's bytes
// and writes them back unchanged; a picture given from another graphic is compressed at
// CompressionQuality when it is saved.
#pragma once

#include <memory>
#include <vector>

#include "platform/graphics/graphic.h"

class TBitmap;

class TJPEGImage : public TGraphic {
 public:
  TJPEGImage();
  ~TJPEGImage() override;
  TJPEGImage(const TJPEGImage&) = delete;
  TJPEGImage& operator=(const TJPEGImage&) = delete;

  bool GetEmpty() const override;
  int GetWidth() const override;
  int GetHeight() const override;
  int GetCompressionQuality() const { return quality_; }
  void SetCompressionQuality(int quality);  // 1..100, 90 at first
  bool GetGrayscale() const { return grayscale_; }
  void SetGrayscale(bool grayscale);

  void LoadFromStream(TStream& stream) override;  // EInvalidGraphic for damaged data
  void SaveToStream(TStream& stream) override;
  // Takes a JPEG's bytes, or the picture of any other graphic.
  void Assign(const TGraphic* source) override;
  void Draw(TCanvas& canvas, const TRect& rect) override;
  // Compresses the picture now (after Assign or a change of quality).
  void Compress();

 private:
  std::vector<uint8_t> data_;
  std::unique_ptr<TBitmap> bitmap_;  // the decoded picture
  int quality_ = 90;
  bool grayscale_ = false;
};
