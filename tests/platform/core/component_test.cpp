#include <gtest/gtest.h>

#include <vector>

#include "platform/core/component.h"

namespace {

// Records its own destruction, and what its owner was told.
class Probe : public TComponent {
 public:
  Probe(TComponent* owner, int id, std::vector<int>& freed) : TComponent(owner), id_(id), freed_(freed) {}
  ~Probe() override { freed_.push_back(id_); }

  std::vector<std::pair<TComponent*, TOperation>> notes;

 protected:
  void Notification(TComponent* component, TOperation operation) override {
    notes.emplace_back(component, operation);
  }

 private:
  int id_;
  std::vector<int>& freed_;
};

TEST(Component, OwnerFreesWhatItOwnsOnceLastCreatedFirst) {
  std::vector<int> freed;
  auto* owner = new Probe(nullptr, 0, freed);
  auto* first = new Probe(owner, 1, freed);
  new Probe(first, 11, freed);
  auto* second = new Probe(owner, 2, freed);
  new Probe(owner, 3, freed);
  ASSERT_EQ(owner->GetComponentCount(), 3);

  delete second;  // leaves its owner's list
  EXPECT_EQ(owner->GetComponentCount(), 2);
  EXPECT_EQ(owner->GetComponent(0), first);

  delete owner;  // its own destructor runs before it frees what it owns
  EXPECT_EQ(freed, (std::vector<int>{2, 0, 3, 1, 11}));
}

TEST(Component, OwnerIsToldOfJoiningAndLeaving) {
  std::vector<int> freed;
  Probe owner(nullptr, 0, freed);
  auto* child = new Probe(&owner, 1, freed);
  auto* asComponent = static_cast<TComponent*>(child);
  EXPECT_EQ(child->GetOwner(), &owner);
  delete child;
  ASSERT_EQ(owner.notes.size(), 2u);
  EXPECT_EQ(owner.notes[0].first, asComponent);
  EXPECT_EQ(owner.notes[0].second, opInsert);
  EXPECT_EQ(owner.notes[1].first, asComponent);
  EXPECT_EQ(owner.notes[1].second, opRemove);
}

}  // namespace

namespace {

// Records when its loading ends and what it was told of others.
class Loader : public TComponent {
 public:
  Loader(TComponent* owner, std::vector<std::string>& log, std::string name)
      : TComponent(owner), log_(log), name_(std::move(name)) {}
  void Loaded() override {
    TComponent::Loaded();
    log_.push_back(name_);
  }

 protected:
  void Notification(TComponent* component, TOperation operation) override {
    if (operation == opRemove && component != this) log_.push_back(name_ + " heard");
  }

 private:
  std::vector<std::string>& log_;
  std::string name_;
};

TEST(Component, ComponentsMadeWhileTheOwnerLoadsEndLoadingTogether) {
  std::vector<std::string> log;
  Loader form(nullptr, log, "form");
  form.BeginLoading();
  auto* panel = new Loader(&form, log, "panel");
  new Loader(panel, log, "edit");
  new Loader(&form, log, "button");
  EXPECT_TRUE(panel->GetComponentState().Contains(csLoading));
  TComponent::EndLoading(&form);
  EXPECT_EQ(log, (std::vector<std::string>{"edit", "panel", "button", "form"}));
  EXPECT_FALSE(panel->GetComponentState().Contains(csLoading));
  Loader later(&form, log, "later");  // made after loading: not loading
  EXPECT_FALSE(later.GetComponentState().Contains(csLoading));
}

TEST(Component, FreeNotificationTellsTheOtherSideOnce) {
  std::vector<std::string> log;
  auto* menu = new Loader(nullptr, log, "menu");
  Loader control(nullptr, log, "control");
  control.FreeNotification(menu);
  control.FreeNotification(menu);  // asked twice, told once
  delete menu;
  EXPECT_EQ(log, std::vector<std::string>{"control heard"});
}

}  // namespace
