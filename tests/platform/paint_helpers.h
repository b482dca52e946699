// Shared helpers of the painting tests: a white bitmap to draw on, the box around the
// pixels that differ from white, and the shared temporary folder.
#pragma once

#include <memory>
#include <string>

#include "platform/graphics/bitmap.h"
#include "temp_folder.h"

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
