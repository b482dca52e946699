// TPen: colour, width, dash style and the raster mode in which lines and frames are drawn.
#pragma once

#include "platform/graphics/color.h"
#include "platform/graphics/graphics_object.h"

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum TPenMode { pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
                pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor,
                pmNotXor };

class TPen : public TGraphicsObject {
 public:
  void Assign(const TPen& source);
  TColor GetColor() const { return color_; }
  void SetColor(TColor color);
  int GetWidth() const { return width_; }
  void SetWidth(int width);  // 0 draws one device pixel wide
  TPenStyle GetStyle() const { return style_; }
  void SetStyle(TPenStyle style);
  TPenMode GetMode() const { return mode_; }
  void SetMode(TPenMode mode);

 private:
  TColor color_ = clBlack;
  int width_ = 1;
  TPenStyle style_ = psSolid;
  TPenMode mode_ = pmCopy;
};
