// A counted reference to a cell properties object. A copy holds the object once more, the
// end of a reference lets go of it, and the last to let go frees it. The grid's slots and the
// hidden-row store keep raw pointers that each count as one hold: Detach hands a reference's
// hold to such a slot, Adopt takes one back, so a move between them counts nothing and an
// exception halfway leaves every hold with exactly one owner. The object also counts the holds
// references have, so the debug build can match the rest against the cells that hold it.
#pragma once

#include <utility>

#include "components/grid/core/CellProperties.h"

class TCellPropertiesRef {
 public:
  TCellPropertiesRef() = default;
  // Holds Props (nothing for nullptr).
  explicit TCellPropertiesRef(TCellProperties* Props) : props_(Props) {
    if (props_) props_->Hold();
    Claim();
  }
  // Takes over a hold already counted for Props.
  static TCellPropertiesRef Adopt(TCellProperties* Props) {
    TCellPropertiesRef ref;
    ref.props_ = Props;
    ref.Claim();
    return ref;
  }
  TCellPropertiesRef(const TCellPropertiesRef& Other) : TCellPropertiesRef(Other.props_) {}
  TCellPropertiesRef(TCellPropertiesRef&& Other) noexcept
      : props_(std::exchange(Other.props_, nullptr)) {}
  TCellPropertiesRef& operator=(TCellPropertiesRef Other) noexcept {
    std::swap(props_, Other.props_);
    return *this;
  }
  ~TCellPropertiesRef() {
    if (!props_) return;
    --props_->refHolds_;
    TCellProperties::Release(props_);
  }

  // The pointer out, its hold left to whoever keeps it now; the reference is empty.
  [[nodiscard]] TCellProperties* Detach() noexcept {
    if (props_) --props_->refHolds_;
    return std::exchange(props_, nullptr);
  }

  TCellProperties* Get() const { return props_; }
  TCellProperties* operator->() const { return props_; }
  TCellProperties& operator*() const { return *props_; }
  explicit operator bool() const { return props_ != nullptr; }

 private:
  TCellProperties* props_ = nullptr;

  void Claim() {
    if (props_) ++props_->refHolds_;
  }
};
