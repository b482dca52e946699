// Pictures that Qt's image readers decode: PNG, GIF (its first frame) and Windows icons.
// They keep their file's bytes and save them unchanged; transparency comes from the file.
#pragma once

#include <memory>
#include <vector>

#include "platform/graphics/graphic.h"

struct ImagePixels;

class TReaderImage : public TGraphic {
 public:
  ~TReaderImage() override;
  TReaderImage(const TReaderImage&) = delete;
  TReaderImage& operator=(const TReaderImage&) = delete;

  bool GetEmpty() const override;
  int GetWidth() const override;
  int GetHeight() const override;
  void LoadFromStream(TStream& stream) override;  // EInvalidGraphic for damaged data
  void SaveToStream(TStream& stream) override;
  void Assign(const TGraphic* source) override;   // the same kind only
  void Draw(TCanvas& canvas, const TRect& rect) override;
  // Keeps only the part of the picture inside the rectangle (one frame of an animation);
  // the bytes saved stay the file's.
  void Crop(const TRect& rect);

 protected:
  TReaderImage(const char* format, const char* error);

 private:
  const char* format_;
  const char* error_;
  std::vector<uint8_t> data_;
  std::unique_ptr<ImagePixels> pixels_;
};

class TPngImage : public TReaderImage {
 public:
  TPngImage() : TReaderImage("png", "PNG image is not valid") {}
};

class TGIFImage : public TReaderImage {
 public:
  TGIFImage() : TReaderImage("gif", "GIF image is not valid") {}
};

class TIcon : public TReaderImage {
 public:
  TIcon() : TReaderImage("ico", "Icon image is not valid") {}
};
