#include "platform/component.h"

#include <algorithm>

TComponent::TComponent(TComponent* AOwner) : owner_(AOwner) {
  if (!owner_) return;
  owner_->components_.push_back(this);
  owner_->Notification(this, opInsert);
}

TComponent::~TComponent() {
  DestroyComponents();
  if (!owner_) return;
  std::erase(owner_->components_, this);
  owner_->Notification(this, opRemove);
}

void TComponent::DestroyComponents() {
  // Each destructor takes its component out of the list.
  while (!components_.empty()) delete components_.back();
}
