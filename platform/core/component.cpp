#include "platform/core/component.h"

#include <algorithm>

TComponent::TComponent(TComponent* AOwner) : owner_(AOwner) {
  if (!owner_) return;
  if (owner_->state_.Contains(csLoading)) state_ << csLoading;
  owner_->components_.push_back(this);
  owner_->Notification(this, opInsert);
}

TComponent::~TComponent() {
  state_ << csDestroying;
  DestroyComponents();
  // Those told of the freeing stop pointing here; they no longer need to be told themselves.
  while (!freeNotifies_.empty()) {
    TComponent* other = freeNotifies_.back();
    freeNotifies_.pop_back();
    std::erase(other->freeNotifies_, this);
    other->Notification(this, opRemove);
  }
  if (!owner_) return;
  std::erase(owner_->components_, this);
  owner_->Notification(this, opRemove);
}

void TComponent::DestroyComponents() {
  // Each destructor takes its component out of the list.
  while (!components_.empty()) delete components_.back();
}

void TComponent::Loaded() { state_ >> csLoading; }

void TComponent::EndLoading(TComponent* root) {
  // A Loaded() may create components; they are created loaded already or are ended here too.
  for (std::size_t i = 0; i < root->components_.size(); ++i) {
    TComponent* component = root->components_[i];
    if (!component->components_.empty()) EndLoading(component);
    else if (component->state_.Contains(csLoading)) component->Loaded();
  }
  if (root->state_.Contains(csLoading)) root->Loaded();
}

void TComponent::FreeNotification(TComponent* other) {
  if (!other || other == this) return;
  if (std::find(freeNotifies_.begin(), freeNotifies_.end(), other) != freeNotifies_.end()) return;
  freeNotifies_.push_back(other);
  other->freeNotifies_.push_back(this);  // both ways: whichever goes first unlinks the other
}

void TComponent::RemoveFreeNotification(TComponent* other) {
  std::erase(freeNotifies_, other);
  if (other) std::erase(other->freeNotifies_, this);
}
