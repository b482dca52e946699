// TImageList: a row of small images of one size, drawn by index; an image added wider
// than the list's width is cut into several.
#pragma once

#include <memory>

#include "platform/graphics/bitmap.h"

struct ImageListImages;

class TImageList : public TObject {
 public:
  explicit TImageList(int width = 16, int height = 16);
  ~TImageList() override;
  TImageList(const TImageList&) = delete;
  TImageList& operator=(const TImageList&) = delete;

  int GetWidth() const { return width_; }
  int GetHeight() const { return height_; }
  void SetWidth(int width);    // empties the list, as a new size does
  void SetHeight(int height);
  int GetCount() const;

  // Adds the image; white pixels of the mask are transparent. Returns the first new index,
  // -1 when nothing was added.
  int Add(TBitmap* image, TBitmap* mask);
  // Adds the image with every pixel of the colour transparent.
  int AddMasked(TBitmap* image, TColor maskColor);
  void Delete(int index);
  void Clear();
  // Draws the image with its top-left corner at (x, y); a disabled image is greyed.
  void Draw(TCanvas* canvas, int x, int y, int index, bool enabled = true);
  // Copies the image into the bitmap, on the bitmap's background colour white.
  void GetBitmap(int index, TBitmap* image);

 private:
  int AddImage(const TBitmap& image, const TBitmap* mask, TColor maskColor);
  int width_;
  int height_;
  std::unique_ptr<ImageListImages> images_;
};
