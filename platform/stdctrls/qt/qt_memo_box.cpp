// The multi-line edit box over QPlainTextEdit.
#include <QPlainTextEdit>

#include "platform/stdctrls/qt/qt_text_box.h"

EditBox* NewMemoBox(const std::function<void()>& changed) {
  return new TextBox<QPlainTextEdit>(changed);
}
