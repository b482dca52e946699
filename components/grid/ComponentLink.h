// A reference to another component that empties itself when that component is freed, for
// holders that keep such a reference without overriding Notification themselves.
#pragma once

#include "platform/core/component.h"

template <typename T>
class TComponentLink : private TComponent {
 public:
  TComponentLink() : TComponent(nullptr) {}
  T* Get() const { return target_; }
  void Set(T* Value) {
    if (Value == target_) return;
    if (target_) RemoveFreeNotification(target_);
    target_ = Value;
    if (target_) FreeNotification(target_);
  }

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override {
    if (Operation == opRemove && AComponent == target_) target_ = nullptr;
  }

 private:
  T* target_ = nullptr;
};
