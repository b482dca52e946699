// Shared helpers of the painting tests: a white bitmap to draw on, the box around the
// pixels that differ from white, and a temporary folder for files.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "platform/bitmap.h"

inline std::unique_ptr<TBitmap> WhiteBitmap(int width, int height) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetSize(width, height);
  bitmap->Canvas->Brush->SetColor(clWhite);
  bitmap->Canvas->FillRect(Rect(0, 0, width, height));
  return bitmap;
}

// The smallest rectangle holding every pixel that is not white; empty when there is none.
inline TRect InkBox(TBitmap& bitmap) {
  TRect box{bitmap.GetWidth(), bitmap.GetHeight(), 0, 0};
  for (int y = 0; y < bitmap.GetHeight(); ++y)
    for (int x = 0; x < bitmap.GetWidth(); ++x)
      if (bitmap.Canvas->GetPixels(x, y) != clWhite) {
        box.Left = std::min(box.Left, x);
        box.Top = std::min(box.Top, y);
        box.Right = std::max(box.Right, x + 1);
        box.Bottom = std::max(box.Bottom, y + 1);
      }
  return IsRectEmpty(box) ? TRect() : box;
}

// A fresh folder under the system's temporary folder, removed with its files afterwards.
class TempFolder {
 public:
  TempFolder()
      : path_(std::filesystem::temp_directory_path() /
              ("kalvento_graphics_" + std::to_string(getpid()) + "_" + std::to_string(++count_))) {
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() { std::filesystem::remove_all(path_); }
  AnsiString File(const std::string& name) const { return (path_ / name).string(); }
  AnsiString Path() const { return path_.string(); }

 private:
  static inline int count_ = 0;
  std::filesystem::path path_;
};
