// The debug build's check of the properties objects' hold counts: the slots that hold each
// object (cells and hidden rows) are counted, and every object must be held exactly by them
// and by the references that hold it, no more and no fewer.
#pragma once

#include <string>
#include <unordered_map>

class TObject;
class TCellProperties;

class TPropertyHolds {
 public:
  // One slot; nothing is counted for an empty one or one that holds no properties object.
  void Count(const TObject* Slot);
  // The first object whose hold count differs from its holders; empty when none does.
  std::string Fault() const;

 private:
  std::unordered_map<const TCellProperties*, int> slots_;
};
