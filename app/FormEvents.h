// Events of a window bound to its own methods, so that each binding is one call instead of a
// lambda written out again.
#pragma once

#include "platform/core/actions.h"
#include "platform/core/notify_event.h"

// An event that runs form's method.
template <class F>
TNotifyEvent MethodEvent(F* form, void (F::*method)(TObject*)) {
  return [form, method](TObject* Sender) { (form->*method)(Sender); };
}

// An action of `list`, owned by the form, whose execution runs the form's method.
template <class F>
TAction* AddAction(F* form, TActionList* list, void (F::*execute)(TObject*)) {
  auto* action = new TAction(form);
  action->SetActionList(list);
  action->OnExecute = MethodEvent(form, execute);
  return action;
}
