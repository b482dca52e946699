// The multi-line edit box over a Qt text editor (QPlainTextEdit or QTextEdit). Private to
// platform/. Qt ends a line with one character, Windows with CR LF; positions are converted
// between the two counts.
#pragma once

#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>

#include "platform/core/qt/qt_text.h"
#include "platform/stdctrls/qt/qt_edit_box.h"

// CR LF, a lone CR and a lone LF all end a line.
inline QString QtLines(const AnsiString& text) {
  QString q = ToQString(text);
  q.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  q.replace(QChar('\r'), QChar('\n'));
  return q;
}

template <typename Editor>
class TextBox : public EditBox {
 public:
  explicit TextBox(const std::function<void()>& changed) : edit_(new Editor) {
    edit_->setAcceptDrops(false);
    edit_->setTabChangesFocus(false);
    changed_ = QObject::connect(edit_, &Editor::textChanged, [changed] { changed(); });
  }
  ~TextBox() override { QObject::disconnect(changed_); }

  QWidget* Widget() const override { return edit_; }
  AnsiString Text() const override {
    return StringReplaceAll(FromQString(edit_->toPlainText()), "\n", "\r\n");
  }
  void SetText(const AnsiString& text) override { edit_->setPlainText(QtLines(text)); }
  int SelStart() const override { return ToWindows(edit_->textCursor().selectionStart()); }
  int SelLength() const override {
    QTextCursor cursor = edit_->textCursor();
    return ToWindows(cursor.selectionEnd()) - ToWindows(cursor.selectionStart());
  }
  void Select(int start, int length) override {
    QTextCursor cursor = edit_->textCursor();
    cursor.setPosition(ToQt(start));
    cursor.setPosition(ToQt(std::max(0, start + length)), QTextCursor::KeepAnchor);
    edit_->setTextCursor(cursor);
  }
  void ReplaceSelection(const AnsiString& text) override {
    AnsiString fitting = text;
    if (maxLength_ > 0) {
      int room = maxLength_ - static_cast<int>(Text().size()) + SelLength();
      fitting = fitting.substr(0, static_cast<std::size_t>(std::max(0, room)));
      if (!fitting.empty() && fitting.back() == '\r') fitting.pop_back();  // no half line end
    }
    edit_->insertPlainText(QtLines(fitting));
  }
  bool Modified() const override { return edit_->document()->isModified(); }
  void SetModified(bool modified) override { edit_->document()->setModified(modified); }
  void SetReadOnly(bool readOnly) override { edit_->setReadOnly(readOnly); }
  void SetMaxLength(int length) override { maxLength_ = length; }
  void SetFrame(bool frame) override {
    edit_->setFrameShape(frame ? QFrame::StyledPanel : QFrame::NoFrame);
  }
  bool CanUndo() const override { return edit_->document()->isUndoAvailable(); }
  void Undo() override { edit_->undo(); }

 protected:
  Editor* edit_;

 private:
  // Each line end before a position counts one more character in Windows.
  int ToWindows(int position) const {
    return position + edit_->document()->findBlock(position).blockNumber();
  }
  // A position inside a CR LF falls at the end of its line.
  int ToQt(int position) const {
    QTextBlock block = edit_->document()->firstBlock();
    for (; block.isValid(); block = block.next()) {
      int length = block.length() - 1;
      if (position <= length) return block.position() + std::max(0, position);
      position -= length + 2;
      if (position < 0) return block.position() + length;
    }
    return edit_->document()->characterCount() - 1;
  }

  int maxLength_ = 0;
  QMetaObject::Connection changed_;
};
