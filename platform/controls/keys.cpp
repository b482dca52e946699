#include "platform/controls/keys.h"

#include <QGuiApplication>

#include "platform/controls/qt/qt_control_events.h"

int16_t GetKeyState(int virtualKey) {
  Qt::KeyboardModifiers modifiers = ControlEvents::Modifiers();
  Qt::MouseButtons buttons = QGuiApplication::mouseButtons();
  bool down = false;
  switch (virtualKey) {
    case VK_SHIFT: case VK_LSHIFT: case VK_RSHIFT: down = modifiers & Qt::ShiftModifier; break;
    case VK_CONTROL: case VK_LCONTROL: case VK_RCONTROL:
      down = modifiers & Qt::ControlModifier;
      break;
    case VK_MENU: case VK_LMENU: case VK_RMENU: down = modifiers & Qt::AltModifier; break;
    case VK_LBUTTON: down = buttons & Qt::LeftButton; break;
    case VK_RBUTTON: down = buttons & Qt::RightButton; break;
    case VK_MBUTTON: down = buttons & Qt::MiddleButton; break;
  }
  return down ? static_cast<int16_t>(-0x8000) : 0;
}

TShiftState KeyDataToShiftState(int keyData) {
  TShiftState shift;
  if (GetKeyState(VK_SHIFT) < 0) shift << ssShift;
  if (GetKeyState(VK_CONTROL) < 0) shift << ssCtrl;
  if (keyData & KF_ALTDOWN) shift << ssAlt;
  return shift;
}
