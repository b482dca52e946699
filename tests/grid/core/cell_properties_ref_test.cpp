// The counted reference: every copy holds, every end lets go, and a hold moved out with
// Detach and back with Adopt is counted exactly once. Run under the address sanitizer, so a
// hold lost or counted twice fails as a leak or a second free.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "components/grid/core/CellPropertiesRef.h"
#include "components/grid/core/PropertyReferences.h"

namespace {

TCellPropertiesRef NewProps() { return TCellPropertiesRef(new TCellProperties(nullptr, 0, 0)); }

TEST(CellPropertiesRef, CopiesHoldAndEndsLetGo) {
  TCellPropertiesRef ref = NewProps();
  EXPECT_EQ(ref->Holders(), 1);
  {
    const TCellPropertiesRef copy = ref;
    TCellPropertiesRef assigned;
    assigned = copy;
    EXPECT_EQ(ref->Holders(), 3);
    EXPECT_EQ(ref->ReferenceHolders(), 3);
  }
  EXPECT_EQ(ref->Holders(), 1);
  ref = ref;  // a reference assigned to itself keeps its hold
  EXPECT_EQ(ref->Holders(), 1);
  TCellPropertiesRef other = NewProps();
  other = ref;  // the object other held was its last holder's: freed here
  EXPECT_EQ(ref.Get(), other.Get());
  EXPECT_EQ(ref->Holders(), 2);
  EXPECT_FALSE(TCellPropertiesRef());
  EXPECT_FALSE(TCellPropertiesRef(nullptr));
}

TEST(CellPropertiesRef, MovingHandsTheHoldOver) {
  TCellPropertiesRef ref = NewProps();
  TCellProperties* props = ref.Get();
  TCellPropertiesRef moved = std::move(ref);
  EXPECT_FALSE(ref);
  EXPECT_EQ(moved.Get(), props);
  EXPECT_EQ(props->Holders(), 1);
  std::vector<TCellPropertiesRef> refs;
  for (int i = 0; i < 100; ++i) refs.push_back(moved);  // the vector grows: moves, no holds
  EXPECT_EQ(props->Holders(), 101);
  refs.clear();
  EXPECT_EQ(props->Holders(), 1);
}

TEST(CellPropertiesRef, DetachAndAdoptCountNothing) {
  TCellPropertiesRef ref = NewProps();
  TCellProperties* slot = ref.Detach();  // a raw slot holds it now
  EXPECT_FALSE(ref);
  EXPECT_EQ(slot->Holders(), 1);
  EXPECT_EQ(slot->ReferenceHolders(), 0);
  TCellPropertiesRef back = TCellPropertiesRef::Adopt(slot);
  EXPECT_EQ(slot->Holders(), 1);
  EXPECT_EQ(slot->ReferenceHolders(), 1);
  EXPECT_EQ(TCellPropertiesRef::Adopt(nullptr).Detach(), nullptr);
  // back ends holding the last hold: the object is freed with it.
}

TEST(PropertyHolds, SlotsAndReferencesMustMakeUpTheCount) {
  TCellPropertiesRef ref = NewProps();
  TCellProperties* slot1 = TCellPropertiesRef(ref).Detach();
  TCellProperties* slot2 = TCellPropertiesRef(ref).Detach();
  TPropertyReferences holds;
  TObject plain;
  holds.Count(slot1);
  holds.Count(&plain);  // no properties object: not counted
  holds.Count(nullptr);
  EXPECT_NE(holds.Fault(), "");  // a slot holding it was missed
  holds.Count(slot2);
  EXPECT_EQ(holds.Fault(), "");
  holds.Count(slot2);
  EXPECT_NE(holds.Fault(), "");  // one slot more than holds
  TCellPropertiesRef::Adopt(slot1);
  TCellPropertiesRef::Adopt(slot2);
}

}  // namespace
