// Rich text on a canvas: each paragraph is one line of its runs, left to right, each run in
// the canvas's font changed by the run's own style, size and colour. The grid measures and
// draws rich-text cells with it.
#pragma once

#include "components/grid/richtext/RichText.h"
#include "platform/graphics/canvas.h"

// The width of the widest paragraph and the height of all of them.
TSize MeasureRichText(TCanvas& Canvas, const TRichText& Text);
// Draws the paragraphs from Rect's top left, clipped to Rect, with a transparent background;
// a TextColor other than clNone replaces every run's colour. The canvas font is left as found.
void DrawRichText(TCanvas& Canvas, const TRichText& Text, const TRect& Rect,
                  TColor TextColor = clNone);
