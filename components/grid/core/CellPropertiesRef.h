// A counted reference to a cell properties object, like a shared pointer with an intrusive
// count. A copy adds a reference, the destructor releases it, and the last release frees the
// object. The grid's slots and the hidden-row store keep raw pointers that each own one
// reference: Detach transfers a reference's ownership to such a slot, Adopt takes it back,
// so a move between them changes no count and an exception halfway leaves every reference
// with exactly one owner. The object also counts the references owned by TCellPropertiesRef
// objects, so the debug build can match the rest against the cells that store it.
#pragma once

#include <utility>

#include "components/grid/core/CellProperties.h"

class TCellPropertiesRef {
 public:
  TCellPropertiesRef() = default;
  // Adds a reference to Props (nothing for nullptr).
  explicit TCellPropertiesRef(TCellProperties* Props) : props_(Props) {
    if (props_) props_->Hold();
    Claim();
  }
  // Takes ownership of a reference already counted for Props.
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

  // Releases ownership without changing the count: the caller owns the reference now, and
  // this one is empty.
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
