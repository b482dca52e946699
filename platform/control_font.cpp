#include "platform/control_font.h"

#include <cstdlib>

namespace {
constexpr int kPixelsPerInch = 96;
constexpr int kPointsPerInch = 72;

int RoundedDiv(int value, int numerator, int denominator) {
  return (value * numerator + denominator / 2) / denominator;
}
}  // namespace

void ControlFont::SetSize(int points) {
  Size = points;
  Height = -RoundedDiv(std::abs(points), kPixelsPerInch, kPointsPerInch);
}

void ControlFont::SetHeight(int pixels) {
  Height = pixels;
  Size = RoundedDiv(std::abs(pixels), kPointsPerInch, kPixelsPerInch);
}
