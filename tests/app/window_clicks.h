// Real clicks on the program's windows as a user makes them: steps run once a form has shown
// (in its modal loop), and a check that every button and check box a form shows answers a
// click through the window system's path.
#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>

#include <functional>
#include <map>
#include <vector>

#include "platform/controls/forms.h"
#include "platform/stdctrls/button.h"
#include "platform/stdctrls/checkbox.h"
#include "window_mouse.h"

// Runs the steps inside the form's next showing, after its activation; the handler it had
// comes back at once.
inline void WhenShown(TForm& form, std::function<void()> steps) {
  TNotifyEvent activate = form.OnActivate;
  form.OnActivate = [&form, activate, steps](TObject* Sender) {
    // Putting the old handler back frees this one: what it needs goes on the stack first.
    TNotifyEvent own = activate;
    std::function<void()> later = steps;
    TForm& shown = form;
    shown.OnActivate = own;
    if (own) own(Sender);
    QTimer::singleShot(0, [&shown, later] {
      ASSERT_TRUE(QTest::qWaitForWindowExposed(shown.Widget()));
      later();
    });
  };
}

inline void ClickControl(TControl* control) { WindowClick(control->Widget()); }

// Every button and check box the form shows, clicked once by the mouse with a handler that
// only notes the click; the form's own handlers and modal results come back afterwards.
// Returns the controls that the click did not reach.
inline std::vector<TControl*> UnansweredClicks(TForm& form) {
  std::vector<TControl*> shown;
  for (int i = 0; i < form.GetComponentCount(); ++i) {
    auto* control = dynamic_cast<TControl*>(form.GetComponent(i));
    bool clickable = dynamic_cast<TButton*>(control) || dynamic_cast<TButtonControl*>(control);
    if (clickable && control->Widget()->isVisible() && control->Widget()->isEnabled())
      shown.push_back(control);
  }
  std::map<TControl*, int> clicks;
  std::map<TControl*, TNotifyEvent> handlers;
  std::map<TButton*, int> results;
  for (TControl* control : shown) {
    handlers[control] = control->OnClick;
    control->OnClick = [&clicks, control](TObject*) { ++clicks[control]; };
    if (auto* button = dynamic_cast<TButton*>(control)) {
      results[button] = button->ModalResult;
      button->ModalResult = mrNone;
    }
  }
  for (TControl* control : shown) ClickControl(control);
  std::vector<TControl*> missed;
  for (TControl* control : shown) {
    control->OnClick = handlers[control];
    if (clicks[control] != 1) missed.push_back(control);
  }
  for (auto [button, result] : results) button->ModalResult = result;
  return missed;
}
