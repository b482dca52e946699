// The context menu of an edit control, in the program's language; each entry goes through the
// control's handler of that change.
#include <QMenu>

#include "platform/controls/application.h"
#include "platform/controls/clipboard.h"
#include "platform/stdctrls/edit.h"
#include "platform/stdctrls/qt/qt_edit_box.h"

void TCustomEdit::WMContextMenu(int X, int Y) {
  if (GetPopupMenu()) return TWinControl::WMContextMenu(X, Y);
  bool selected = GetSelLength() > 0;
  bool writable = !readOnly_;
  QMenu menu;
  auto add = [&](const char* text, bool enabled, void (TCustomEdit::*handler)()) {
    QAction* action = menu.addAction(QString::fromUtf8(text));
    action->setEnabled(enabled);
    QObject::connect(action, &QAction::triggered, [this, handler] {
      Application->HandleEvent([this, handler] { (this->*handler)(); });
    });
  };
  add("&R\xC3\xBC" "ckg\xC3\xA4ngig", writable && box_->CanUndo(), &TCustomEdit::WMUndo);
  menu.addSeparator();
  add("&Ausschneiden", writable && selected && !passwordChar_, &TCustomEdit::WMCut);
  add("&Kopieren", selected && !passwordChar_, &TCustomEdit::WMCopy);
  add("&Einf\xC3\xBCgen", writable && Clipboard()->HasFormat(CF_TEXT), &TCustomEdit::WMPaste);
  add("&L\xC3\xB6schen", writable && selected, &TCustomEdit::WMClear);
  menu.addSeparator();
  add("&Alles markieren", !GetText().empty(), &TCustomEdit::SelectAll);
  menu.exec(QPoint(X, Y));
}
