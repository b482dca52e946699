// Where Qt's key events meet the Windows keyboard model. Private to platform/.
#pragma once

#include <QKeyEvent>

#include "platform/controls/keys.h"
#include "platform/core/text.h"

// The virtual-key code of a Qt key event; the keypad's keys get their own codes.
WORD VirtualKeyOf(const QKeyEvent& event);
// Repeat count 1, the key's scan code and extended flag, Alt, and the up and repeat bits.
int KeyDataOf(WORD virtualKey, bool keypad, Qt::KeyboardModifiers modifiers, bool up,
              bool repeat);
// The characters a key-down produces as WM_CHAR messages (none for Alt combinations, which
// are system keys; Ctrl with a letter gives its control code).
AnsiString CharsOf(const QKeyEvent& event, WORD virtualKey);

TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons = {});
Qt::KeyboardModifiers ModifiersOf(TShiftState shift);

// A Qt key event for a virtual key, for keys that handlers changed or posted; `text` is what
// the key types.
QKeyEvent MakeKeyEvent(QEvent::Type type, WORD virtualKey, bool keypad,
                       Qt::KeyboardModifiers modifiers, const QString& text);
// The character of a WM_CHAR as Qt text and as the key that types it.
QString CharText(char c);
int QtKeyOfChar(char c);
