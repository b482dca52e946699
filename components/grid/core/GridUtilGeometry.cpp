// Limits and comparisons of integers, and the cell blocks of the grid.
#include <cmath>

#include "components/grid/core/GridUtil.h"

int CheckLimits(int Value, int Min, int Max) {
  if (Min == Max) return Value;
  if (Value < Min) Value = Min;
  if (Value > Max) Value = Max;
  return Value;
}

int Max(int A, int B) { return A > B ? A : B; }

int Min(int A, int B) { return A < B ? A : B; }

bool IsInGridRect(const TGridRect& Rect, int X, int Y) {
  return Rect.Left <= X && X <= Rect.Right && Rect.Top <= Y && Y <= Rect.Bottom;
}

TGridRect ClipGridRect(const TGridRect& R, int ColCount, int RowCount) {
  return {Max(R.Left, 0), Max(R.Top, 0), Min(R.Right, ColCount - 1), Min(R.Bottom, RowCount - 1)};
}

AnsiString RectString(const TGridRect& R) {
  AnsiString text(1, '[');
  text += IntToStr(R.Left) + ":" + IntToStr(R.Top);
  text += "][";
  text += IntToStr(R.Right) + ":" + IntToStr(R.Bottom);
  return text += ']';
}

// The turned rectangle's bounding box: its sides' projections add up (a difference of them
// would shrink a square at 45 degrees to nothing).
TSize RotatedTextSize(TSize Size, int Degrees) {
  constexpr double kPi = 3.14159265358979323846;
  const double a = Degrees * kPi / 180.0;
  const auto part = [](double v) { return static_cast<int>(std::abs(std::trunc(v))); };
  const int width = part(std::cos(a) * Size.cx) + part(std::sin(a) * Size.cy);
  const int height = part(std::sin(a) * Size.cx) + part(std::cos(a) * Size.cy);
  return {width + 12, height + 12};
}
