// The pixels behind the image graphics, and how they reach a canvas. Private to platform/.
#pragma once

#include <QImage>

#include "platform/graphics/canvas.h"

struct ImagePixels {
  QImage image;
};

// Draws the image stretched into a logical rectangle of the canvas: through the canvas's
// CopyMode for opaque images, blended by alpha for images that have it.
void PaintImage(TCanvas& canvas, const TRect& rect, const QImage& image, bool blend);
// The image with every pixel of the colour made fully transparent.
QImage WithTransparentColor(const QImage& image, TColor color);
// Reads image data of a format Qt decodes; raises EInvalidGraphic with `error` otherwise.
QImage DecodeImage(const std::vector<uint8_t>& data, const char* format, const char* error);
