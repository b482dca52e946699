// A component belongs to its owner, which frees it; a component removes itself from its owner
// when it is freed first. Forms own their controls, the application owns its forms.
#pragma once

#include <vector>

#include "platform/notify_event.h"
#include "platform/text.h"

enum TOperation { opInsert, opRemove };

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

  AnsiString Name;
  int Tag = 0;

 protected:
  // Tells the owner that a component joined it or is leaving it; a component being freed
  // reports only after its own destructor has run, so it may be used as a pointer only.
  virtual void Notification(TComponent* /*component*/, TOperation /*operation*/) {}

 private:
  TComponent* owner_;
  std::vector<TComponent*> components_;
};
