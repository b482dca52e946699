// A list of integers that a range text such as "1-3,5,9" stands for, kept in the order added.
#pragma once

#include <unordered_set>
#include <vector>

#include "platform/core/object.h"
#include "platform/core/text.h"

class TRangeList : public TObject {
 public:
  // The longest run a-b a range text may give; longer runs are refused.
  static constexpr int MaxRunLength = 100000;

  int GetCount() const { return static_cast<int>(items_.size()); }
  void Clear();
  // Appends Value unless it is in the list already.
  void Add(int Value);
  // Adds Start .. Start + Count - 1.
  void AddMultiple(int Start, int Count);
  void Delete(int Index);
  bool InList(int Value) const { return members_.count(Value) > 0; }
  int GetInteger(int Index) const { return items_.at(Index); }
  void SetInteger(int Index, int Value);
  // Ascending, by RangeListCompare.
  void Sort();
  // Reads a range text: items separated by ',' or ';', each a number or a run a-b. False when
  // an item does not read (what read before it stays added).
  bool StrToList(AnsiString S);
  // Writes every value to the debugger output.
  void Show() const;

 private:
  static int NextSeparator(const AnsiString& S);
  bool AddRange(const AnsiString& Item);

  std::vector<int> items_;
  std::unordered_multiset<int> members_;  // InList stays fast for long runs
};
