// Limits and comparisons of integers, and the cell blocks of the grid.
#include "components/grid/GridUtil.h"

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
