#include "platform/grids/grid_line_strings.h"

#include "platform/grids/grid_error.h"

AnsiString TGridLineStrings::Strings(int index) const {
  return cells_.Text(ColOf(index), RowOf(index));
}

void TGridLineStrings::SetStrings(int index, const AnsiString& text) {
  cells_.SetText(ColOf(index), RowOf(index), text);
}

TObject* TGridLineStrings::Objects(int index) const {
  return cells_.Object(ColOf(index), RowOf(index));
}

void TGridLineStrings::SetObjects(int index, TObject* object) {
  cells_.SetObject(ColOf(index), RowOf(index), object);
}

int TGridLineStrings::AddObject(const AnsiString& text, TObject* object) {
  while (next_ < count_ && (!Strings(next_).empty() || Objects(next_))) ++next_;
  if (next_ >= count_) return -1;
  SetStrings(next_, text);
  SetObjects(next_, object);
  return next_++;
}

void TGridLineStrings::InsertObject(int, const AnsiString&, TObject*) {
  throw EInvalidGridOperation(kGridLineCannotGrow);
}

void TGridLineStrings::Delete(int) { throw EInvalidGridOperation(kGridLineCannotGrow); }

void TGridLineStrings::Clear() {
  for (int i = 0; i < count_; ++i) {
    SetStrings(i, "");
    SetObjects(i, nullptr);
  }
  next_ = 0;
}
