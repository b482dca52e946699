// The debug build's check of the properties objects' reference counts: the slots that store
// each object (cells and hidden rows) are counted, and every object's count must equal them
// plus the TCellPropertiesRef objects that own a reference to it, no more and no fewer.
#pragma once

#include <string>
#include <unordered_map>

class TObject;
class TCellProperties;

class TPropertyReferences {
 public:
  // One slot; nothing is counted for an empty one or one that stores no properties object.
  void Count(const TObject* Slot);
  // The first object whose reference count differs from its owners; empty when none does.
  std::string Fault() const;

 private:
  std::unordered_map<const TCellProperties*, int> slots_;
};
