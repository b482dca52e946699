#include "platform/core/sound.h"

#include <QApplication>

namespace {
void SystemBeep(unsigned) {
  if (qobject_cast<QApplication*>(QCoreApplication::instance())) QApplication::beep();
}

BeepHook& Hook() {
  static BeepHook hook = SystemBeep;
  return hook;
}
}  // namespace

BeepHook SetBeepHook(BeepHook hook) {
  BeepHook previous = Hook();
  Hook() = hook ? std::move(hook) : SystemBeep;
  return previous;
}

bool MessageBeep(unsigned type) {
  Hook()(type);
  return true;
}

void Beep() { MessageBeep(0); }
