// The mouse: the hint with the whole value, a click that opens an address, and clicks that
// keep the caret out of Prefix and Suffix (the focus border and AutoFocus are TEditLook's).
#include <algorithm>

#include "components/edit/ExtEdit.h"
#include "platform/controls/shell.h"
#include "platform/graphics/canvas.h"

namespace {
bool StartsWithNoCase(const AnsiString& text, const AnsiString& start) {
  return AnsiUpperCase(text.substr(0, start.size())) == AnsiUpperCase(start);
}

// The address a value opens: web, file-transfer and mail addresses, a bare "name@host" as a
// mail address; nothing else (a "file://" value from a record could start a program).
AnsiString SafeAddress(const AnsiString& value) {
  for (const char* scheme : {"http://", "https://", "ftp://", "mailto:"})
    if (StartsWithNoCase(value, scheme)) return value;
  const std::size_t at = value.find('@');
  const bool bareMail = at != AnsiString::npos && at >= 1 && value.find(':') == AnsiString::npos &&
                        value.find_first_of(" /\\") == AnsiString::npos;
  return bareMail ? "mailto:" + value : AnsiString();
}
}  // namespace

void TExtEdit::CMHintShow(THintInfo& HintInfo) {
  TCustomEdit::CMHintShow(HintInfo);
  if (!HintShowLargeText) return;
  TCanvas canvas;
  canvas.Font->Assign(*GetFont());
  if (canvas.TextWidth(GetText()) <= GetWidth()) return;
  HintInfo.HintStr = GetText();
  HintInfo.HintPos = ClientToScreen(TPoint(0, 0));
}

// The press that brings the focus only focuses; the platform hands the focus over before
// the press arrives.
void TExtEdit::WMLButtonDown(TWMMouse& Message) {
  if (PressOnSelection(Message)) {
    dragPending_ = true;  // the selection stays for the drag
    focusedByPress_ = false;
    return;
  }
  const bool opens = urlLook_ && ShowURL && Focused() && !focusedByPress_;
  focusedByPress_ = false;
  TCustomEdit::WMLButtonDown(Message);
  if (opens) OpenURL();
}

void TExtEdit::OpenURL() const {
  const AnsiString address = SafeAddress(GetText());
  if (!address.empty())
    ShellExecuteA(nullptr, "open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void TExtEdit::WMLButtonUp(TWMMouse& Message) {
  TCustomEdit::WMLButtonUp(Message);
  if (dragPending_) {  // a press on the selection that never became a drag
    dragPending_ = false;
    SetSelStart(CharFromPos(TPoint(Message.XPos, Message.YPos)));
    SetSelLength(0);
  }
  if (prefix_.empty() && suffix_.empty()) return;
  const int start = GetSelStart(), length = GetSelLength(), valueEnd = ValueEnd();
  if (length == 0 && start < PrefixLength()) {
    SelectAll();
  } else if (length == 0 && start > valueEnd) {
    SetSelStart(valueEnd);
  } else if (start + length > valueEnd) {
    SetSelStart(std::min(start, valueEnd));
    SetSelLength(valueEnd - std::min(start, valueEnd));
  }
}
