// A list of integers that knows the cell it belongs to and tells of its changes with that
// cell's coordinates. Its text form is the values joined by commas.
#pragma once

#include <functional>
#include <vector>

#include "platform/core/object.h"
#include "platform/core/text.h"

using TImageChangeEvent = std::function<void(TObject* Sender, int Acol, int Arow)>;

class TIntList : public TObject {
 public:
  explicit TIntList(int Col = 0, int Row = 0) : col_(Col), row_(Row) {}

  int Count() const { return static_cast<int>(items_.size()); }
  // An index outside the list raises EListError.
  int GetInteger(int Index) const;
  void SetInteger(int Index, int Value);
  int Items(int Index) const { return GetInteger(Index); }
  int Add(int Value);  // the new entry's index
  void Delete(int Index);
  void Clear() { items_.clear(); }

  // "1,2,3"; empty for an empty list.
  AnsiString GetStrValue() const;
  // Replaces the values with those of a comma text. A text with an item that is no integer
  // raises EConvertError and leaves the list as it was.
  void SetStrValue(const AnsiString& Value);

  int GetCol() const { return col_; }
  int GetRow() const { return row_; }

  TImageChangeEvent OnChange;

 private:
  int& Slot(int Index);  // raises EListError outside the list
  void Changed();

  std::vector<int> items_;
  int col_, row_;
};
