// TBitmap: an image of its own pixels with a canvas to draw on, read from and written to
// Windows bitmap files. Transparent bitmaps leave out the pixels of TransparentColor.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/graphics/canvas.h"
#include "platform/graphics/graphic.h"

enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };
enum TTransparentMode { tmAuto, tmFixed };

struct ImagePixels;

class TBitmap : public TGraphic {
 public:
  TBitmap();
  ~TBitmap() override;
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;

  TCanvas* const Canvas;

  bool GetEmpty() const override;
  int GetWidth() const override;
  int GetHeight() const override;
  void SetWidth(int width) override { SetSize(width, GetHeight()); }
  void SetHeight(int height) override { SetSize(GetWidth(), height); }
  // Keeps the picture at the top left; new area is white.
  void SetSize(int width, int height);
  // The depth the bitmap is saved with; drawing always happens in full colour.
  TPixelFormat GetPixelFormat() const { return pixelFormat_; }
  void SetPixelFormat(TPixelFormat format);
  // tmAuto takes the colour of the bottom-left pixel; setting a colour makes it tmFixed.
  TColor GetTransparentColor() const;
  void SetTransparentColor(TColor color);
  TTransparentMode GetTransparentMode() const { return transparentMode_; }
  void SetTransparentMode(TTransparentMode mode);

  // Windows bitmap files of any uncompressed depth (others through Qt's reader); saved in
  // the depth of PixelFormat. Damaged data raises EInvalidGraphic.
  void LoadFromStream(TStream& stream) override;
  void SaveToStream(TStream& stream) override;
  void Assign(const TGraphic* source) override;
  void Draw(TCanvas& canvas, const TRect& rect) override;

  // The pixels, for the graphics code of platform/; PixelsChanged after replacing them.
  ImagePixels& Pixels();
  void PixelsChanged();

 private:
  class Device;
  void Rebind();

  std::unique_ptr<TCanvas> canvas_;
  std::unique_ptr<ImagePixels> pixels_;
  std::unique_ptr<Device> device_;
  TPixelFormat pixelFormat_ = pfDevice;
  std::vector<uint32_t> palette_;
  TTransparentMode transparentMode_ = tmAuto;
  TColor transparentColor_ = clDefault;
};
