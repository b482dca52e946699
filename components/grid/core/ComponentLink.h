// A reference to another component that resets itself to null when that component is freed,
// for owners of such a reference that do not override Notification themselves. It reads and
// assigns like the plain pointer it replaces.
#pragma once

#include "platform/core/component.h"

template <typename T>
class TComponentLink : private TComponent {
 public:
  TComponentLink() : TComponent(nullptr) {}
  // Copying an owner's settings points the copy at the same target, with a free
  // notification of its own.
  TComponentLink& operator=(const TComponentLink& Other) {
    Bind(Other.target_, Other.component_);
    return *this;
  }
  TComponentLink& operator=(T* Value) {
    Set(Value);
    return *this;
  }

  T* Get() const { return target_; }
  void Set(T* Value) { Bind(Value, Value); }
  operator T*() const { return target_; }
  T* operator->() const { return target_; }

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override {
    if (Operation != opRemove || AComponent != component_) return;
    target_ = nullptr;
    component_ = nullptr;
  }

 private:
  // The target as a component too: a freed target is told apart by it, so T may stay
  // incomplete wherever no new target is set.
  void Bind(T* Target, TComponent* Component) {
    if (Component == component_) return;
    if (component_) RemoveFreeNotification(component_);
    target_ = Target;
    component_ = Component;
    if (component_) FreeNotification(component_);
  }

  T* target_ = nullptr;
  TComponent* component_ = nullptr;
};
