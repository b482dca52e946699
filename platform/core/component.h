// A component belongs to its owner, which frees it; a component removes itself from its owner
// when it is freed first. Forms own their controls, the application owns its forms. A component
// created while its owner loads is loading too, until Loaded() ends it; one that references
// another asks to hear of its freeing (FreeNotification).
#pragma once

#include <vector>

#include "platform/core/notify_event.h"
#include "platform/core/set.h"
#include "platform/core/text.h"

enum TOperation { opInsert, opRemove };
enum TComponentStateItem { csLoading, csReading, csWriting, csDestroying, csDesigning };
using TComponentState = Set<TComponentStateItem>;

class TComponent : public TObject {
 public:
  explicit TComponent(TComponent* AOwner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  TComponent* GetOwner() const { return owner_; }
  int GetComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* GetComponent(int index) const { return components_.at(index); }

  // Frees the owned components, the last created first.
  void DestroyComponents();

  TComponentState GetComponentState() const { return state_; }
  // Starts loading: what the component sets up now counts as read from a form resource.
  void BeginLoading() { state_ << csLoading; }
  // Ends loading; derived components finish their set-up after calling this.
  virtual void Loaded();
  // Ends the loading of every component the root owns (in creation order), then the root's.
  static void EndLoading(TComponent* root);

  // The other component hears of this one's freeing through its Notification.
  void FreeNotification(TComponent* other);
  void RemoveFreeNotification(TComponent* other);

  AnsiString Name;
  int Tag = 0;

 protected:
  // Tells the owner that a component joined it or is leaving it, and those that asked for it
  // that a component is leaving; a component being freed reports only after its own destructor
  // has run, so it may be used as a pointer only.
  virtual void Notification(TComponent* /*component*/, TOperation /*operation*/) {}

 private:
  TComponent* owner_;
  std::vector<TComponent*> components_;
  std::vector<TComponent*> freeNotifies_;
  TComponentState state_;
};
