// Actions: named commands an action list holds. Execute runs the list's OnExecute first, which
// may handle the action, else the action's own OnExecute.
#pragma once

#include <functional>
#include <vector>

#include "platform/core/component.h"
#include "platform/core/notify_event.h"

class TAction;
using TActionEvent = std::function<void(TAction* Action, bool& Handled)>;

class TActionList : public TComponent {
 public:
  explicit TActionList(TComponent* AOwner);
  ~TActionList() override;

  int GetActionCount() const { return static_cast<int>(actions_.size()); }
  TAction* Actions(int index) const { return actions_.at(index); }

  TActionEvent OnExecute;

 private:
  friend class TAction;
  std::vector<TAction*> actions_;
};

class TAction : public TComponent {
 public:
  explicit TAction(TComponent* AOwner);
  ~TAction() override;

  TActionList* GetActionList() const { return actionList_; }
  void SetActionList(TActionList* list);

  AnsiString Caption;
  AnsiString Hint;
  bool Enabled = true;
  bool Checked = false;
  bool Visible = true;

  TNotifyEvent OnExecute;
  TNotifyEvent OnUpdate;

  // False when the action is disabled or nothing handled it.
  virtual bool Execute();
  // Runs OnUpdate; true when there is one.
  bool Update();

 private:
  TActionList* actionList_ = nullptr;
};
