#include "platform/controls/qt/qt_keys.h"

#include <QGuiApplication>
#include <algorithm>
#include <cstring>
#include <iterator>

#include "platform/core/qt/qt_text.h"

namespace {

struct NamedKey {
  WORD vk;
  int qtKey;
  uint8_t scan;
  bool extended;
};

// Keys outside the letters and digits, with the scan codes of a PC keyboard.
constexpr NamedKey kNamedKeys[] = {
    {VK_BACK, Qt::Key_Backspace, 0x0E, false},  {VK_TAB, Qt::Key_Tab, 0x0F, false},
    {VK_TAB, Qt::Key_Backtab, 0x0F, false},     {VK_RETURN, Qt::Key_Return, 0x1C, false},
    {VK_ESCAPE, Qt::Key_Escape, 0x01, false},   {VK_SPACE, Qt::Key_Space, 0x39, false},
    {VK_PRIOR, Qt::Key_PageUp, 0x49, true},     {VK_NEXT, Qt::Key_PageDown, 0x51, true},
    {VK_END, Qt::Key_End, 0x4F, true},          {VK_HOME, Qt::Key_Home, 0x47, true},
    {VK_LEFT, Qt::Key_Left, 0x4B, true},        {VK_UP, Qt::Key_Up, 0x48, true},
    {VK_RIGHT, Qt::Key_Right, 0x4D, true},      {VK_DOWN, Qt::Key_Down, 0x50, true},
    {VK_INSERT, Qt::Key_Insert, 0x52, true},    {VK_DELETE, Qt::Key_Delete, 0x53, true},
    {VK_CLEAR, Qt::Key_Clear, 0x4C, false},     {VK_PAUSE, Qt::Key_Pause, 0x45, false},
    {VK_SNAPSHOT, Qt::Key_Print, 0x37, true},   {VK_SHIFT, Qt::Key_Shift, 0x2A, false},
    {VK_CONTROL, Qt::Key_Control, 0x1D, false}, {VK_MENU, Qt::Key_Alt, 0x38, false},
    {VK_RMENU, Qt::Key_AltGr, 0x38, true},      {VK_LWIN, Qt::Key_Meta, 0x5B, true},
    {VK_APPS, Qt::Key_Menu, 0x5D, true},        {VK_CAPITAL, Qt::Key_CapsLock, 0x3A, false},
    {VK_NUMLOCK, Qt::Key_NumLock, 0x45, true},  {VK_SCROLL, Qt::Key_ScrollLock, 0x46, false},
    {VK_F11, Qt::Key_F11, 0x57, false},         {VK_F12, Qt::Key_F12, 0x58, false},
    // Punctuation by the US layout; the German letters by the German one.
    {VK_OEM_1, Qt::Key_Semicolon, 0x27, false}, {VK_OEM_1, Qt::Key_Colon, 0x27, false},
    {VK_OEM_1, Qt::Key_Udiaeresis, 0x1A, false}, {VK_OEM_PLUS, Qt::Key_Equal, 0x0D, false},
    {VK_OEM_PLUS, Qt::Key_Plus, 0x0D, false},   {VK_OEM_COMMA, Qt::Key_Comma, 0x33, false},
    {VK_OEM_COMMA, Qt::Key_Less, 0x33, false},  {VK_OEM_MINUS, Qt::Key_Minus, 0x0C, false},
    {VK_OEM_MINUS, Qt::Key_Underscore, 0x0C, false},
    {VK_OEM_PERIOD, Qt::Key_Period, 0x34, false}, {VK_OEM_PERIOD, Qt::Key_Greater, 0x34, false},
    {VK_OEM_2, Qt::Key_Slash, 0x35, false},     {VK_OEM_2, Qt::Key_Question, 0x35, false},
    {VK_OEM_3, Qt::Key_QuoteLeft, 0x29, false}, {VK_OEM_3, Qt::Key_AsciiTilde, 0x29, false},
    {VK_OEM_3, Qt::Key_Odiaeresis, 0x27, false}, {VK_OEM_4, Qt::Key_BracketLeft, 0x1A, false},
    {VK_OEM_4, Qt::Key_BraceLeft, 0x1A, false}, {VK_OEM_4, Qt::Key_ssharp, 0x0C, false},
    {VK_OEM_5, Qt::Key_Backslash, 0x2B, false}, {VK_OEM_5, Qt::Key_Bar, 0x2B, false},
    {VK_OEM_6, Qt::Key_BracketRight, 0x1B, false}, {VK_OEM_6, Qt::Key_BraceRight, 0x1B, false},
    {VK_OEM_7, Qt::Key_Apostrophe, 0x28, false}, {VK_OEM_7, Qt::Key_QuoteDbl, 0x28, false},
    {VK_OEM_7, Qt::Key_Adiaeresis, 0x28, false},
};

// The keypad, as Qt reports it with the keypad modifier.
constexpr NamedKey kKeypadKeys[] = {
    {VK_MULTIPLY, Qt::Key_Asterisk, 0x37, false}, {VK_ADD, Qt::Key_Plus, 0x4E, false},
    {VK_SUBTRACT, Qt::Key_Minus, 0x4A, false},    {VK_DIVIDE, Qt::Key_Slash, 0x35, true},
    {VK_DECIMAL, Qt::Key_Period, 0x53, false},    {VK_DECIMAL, Qt::Key_Comma, 0x53, false},
    {VK_DECIMAL, Qt::Key_Delete, 0x53, false},    {VK_RETURN, Qt::Key_Enter, 0x1C, true},
    {VK_HOME, Qt::Key_Home, 0x47, false},         {VK_END, Qt::Key_End, 0x4F, false},
    {VK_PRIOR, Qt::Key_PageUp, 0x49, false},      {VK_NEXT, Qt::Key_PageDown, 0x51, false},
    {VK_LEFT, Qt::Key_Left, 0x4B, false},         {VK_RIGHT, Qt::Key_Right, 0x4D, false},
    {VK_UP, Qt::Key_Up, 0x48, false},             {VK_DOWN, Qt::Key_Down, 0x50, false},
    {VK_INSERT, Qt::Key_Insert, 0x52, false},     {VK_CLEAR, Qt::Key_Clear, 0x4C, false},
};

constexpr uint8_t kLetterScans[26] = {0x1E, 0x30, 0x2E, 0x20, 0x12, 0x21, 0x22, 0x23, 0x17,
                                      0x24, 0x25, 0x26, 0x32, 0x31, 0x18, 0x19, 0x10, 0x13,
                                      0x1F, 0x14, 0x16, 0x2F, 0x11, 0x2D, 0x15, 0x2C};
constexpr uint8_t kKeypadDigitScans[10] = {0x52, 0x4F, 0x50, 0x51, 0x4B,
                                           0x4C, 0x4D, 0x47, 0x48, 0x49};
// Shifted digits of the US layout, for a key event that reports the symbol only.
constexpr char kShiftedDigits[] = ")!@#$%^&*(";

template <size_t N>
const NamedKey* FindByQt(const NamedKey (&table)[N], int qtKey) {
  auto it = std::find_if(std::begin(table), std::end(table),
                         [&](const NamedKey& k) { return k.qtKey == qtKey; });
  return it == std::end(table) ? nullptr : it;
}

template <size_t N>
const NamedKey* FindByVk(const NamedKey (&table)[N], WORD vk) {
  auto it = std::find_if(std::begin(table), std::end(table),
                         [&](const NamedKey& k) { return k.vk == vk; });
  return it == std::end(table) ? nullptr : it;
}

bool IsDigitKey(int key) { return key >= Qt::Key_0 && key <= Qt::Key_9; }
bool IsLetterKey(int key) { return key >= Qt::Key_A && key <= Qt::Key_Z; }

// The digit row by the X11 key code (scan code + 8), whatever the layout types there.
WORD DigitRowKey(quint32 nativeScanCode) {
  if (nativeScanCode < 0x0A || nativeScanCode > 0x13) return 0;
  int digit = (nativeScanCode - 0x0A + 1) % 10;
  return static_cast<WORD>('0' + digit);
}

uint8_t ScanCodeOf(WORD vk, bool keypad, bool& extended) {
  extended = false;
  if (vk >= 'A' && vk <= 'Z') return kLetterScans[vk - 'A'];
  if (vk >= '1' && vk <= '9') return static_cast<uint8_t>(vk - '1' + 2);
  if (vk == '0') return 0x0B;
  if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9) return kKeypadDigitScans[vk - VK_NUMPAD0];
  if (vk >= VK_F1 && vk <= VK_F10) return static_cast<uint8_t>(0x3B + vk - VK_F1);
  const NamedKey* k = keypad ? FindByVk(kKeypadKeys, vk) : nullptr;
  if (!k) k = FindByVk(kNamedKeys, vk);
  if (!k) k = FindByVk(kKeypadKeys, vk);
  if (!k) return 0;
  extended = k->extended;
  return k->scan;
}

}  // namespace

WORD VirtualKeyOf(const QKeyEvent& event) {
  int key = event.key();
  if (event.modifiers() & Qt::KeypadModifier) {
    if (IsDigitKey(key)) return static_cast<WORD>(VK_NUMPAD0 + key - Qt::Key_0);
    if (const NamedKey* k = FindByQt(kKeypadKeys, key)) return k->vk;
  }
  if (IsLetterKey(key) || IsDigitKey(key)) return static_cast<WORD>(key);
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return static_cast<WORD>(VK_F1 + key - Qt::Key_F1);
  if (WORD digit = DigitRowKey(event.nativeScanCode())) return digit;
  if (key > 0 && key < 0x80)
    if (const char* d = std::strchr(kShiftedDigits, key)) return static_cast<WORD>('0' + (d - kShiftedDigits));
  if (const NamedKey* k = FindByQt(kNamedKeys, key)) return k->vk;
  if (key == Qt::Key_Enter) return VK_RETURN;
  return 0;
}

int KeyDataOf(WORD virtualKey, bool keypad, Qt::KeyboardModifiers modifiers, bool up,
              bool repeat) {
  bool extended;
  int data = 1 | (ScanCodeOf(virtualKey, keypad, extended) << 16);
  if (extended) data |= KF_EXTENDED;
  if (modifiers & Qt::AltModifier) data |= KF_ALTDOWN;
  if (repeat || up) data |= KF_REPEAT;
  if (up) data |= KF_UP;
  return data;
}

AnsiString CharsOf(const QKeyEvent& event, WORD vk) {
  Qt::KeyboardModifiers mods = event.modifiers();
  bool ctrl = mods & Qt::ControlModifier;
  if ((mods & Qt::AltModifier) && !ctrl) return {};
  switch (vk) {
    case VK_BACK: return AnsiString(1, ctrl ? '\x7F' : '\b');
    case VK_TAB: return ctrl ? AnsiString() : AnsiString(1, '\t');
    case VK_RETURN: return AnsiString(1, ctrl ? '\n' : '\r');
    case VK_ESCAPE: return AnsiString(1, '\x1B');
    case VK_DELETE: return {};
  }
  if (ctrl) {
    if (vk >= 'A' && vk <= 'Z') return AnsiString(1, static_cast<char>(vk - 'A' + 1));
    if (vk == VK_OEM_4) return "\x1B";
    if (vk == VK_OEM_5) return "\x1C";
    if (vk == VK_OEM_6) return "\x1D";
    // AltGr arrives as Ctrl and Alt together and types its character.
    if (!(mods & Qt::AltModifier)) return {};
  }
  AnsiString chars = FromQString(event.text());
  std::erase_if(chars, [](char c) {
    auto u = static_cast<unsigned char>(c);
    return u < 0x20 || u == 0x7F;
  });
  return chars;
}

TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
  TShiftState shift;
  if (modifiers & Qt::ShiftModifier) shift << ssShift;
  if (modifiers & Qt::AltModifier) shift << ssAlt;
  if (modifiers & Qt::ControlModifier) shift << ssCtrl;
  if (buttons & Qt::LeftButton) shift << ssLeft;
  if (buttons & Qt::RightButton) shift << ssRight;
  if (buttons & Qt::MiddleButton) shift << ssMiddle;
  return shift;
}

Qt::KeyboardModifiers ModifiersOf(TShiftState shift) {
  Qt::KeyboardModifiers mods;
  if (shift.Contains(ssShift)) mods |= Qt::ShiftModifier;
  if (shift.Contains(ssAlt)) mods |= Qt::AltModifier;
  if (shift.Contains(ssCtrl)) mods |= Qt::ControlModifier;
  return mods;
}

namespace {
int QtKeyOf(WORD vk, bool keypad) {
  if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) return vk;
  if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9) return Qt::Key_0 + vk - VK_NUMPAD0;
  if (vk >= VK_F1 && vk <= VK_F12) return Qt::Key_F1 + vk - VK_F1;
  const NamedKey* k = keypad ? FindByVk(kKeypadKeys, vk) : nullptr;
  if (!k) k = FindByVk(kNamedKeys, vk);
  if (!k) k = FindByVk(kKeypadKeys, vk);
  return k ? k->qtKey : Qt::Key_unknown;
}
}  // namespace

QKeyEvent MakeKeyEvent(QEvent::Type type, WORD vk, bool keypad, Qt::KeyboardModifiers modifiers,
                       const QString& text) {
  bool pad = keypad || (vk >= VK_NUMPAD0 && vk <= VK_DIVIDE);
  if (pad) modifiers |= Qt::KeypadModifier;
  return QKeyEvent(type, QtKeyOf(vk, pad), modifiers, text);
}

QString CharText(char c) { return ToQString(AnsiString(1, c)); }

int QtKeyOfChar(char c) {
  switch (c) {
    case '\b': return Qt::Key_Backspace;
    case '\t': return Qt::Key_Tab;
    case '\r': case '\n': return Qt::Key_Return;
    case '\x1B': return Qt::Key_Escape;
  }
  QString text = CharText(c).toUpper();
  return text.isEmpty() ? int(Qt::Key_unknown) : int(text.at(0).unicode());
}
