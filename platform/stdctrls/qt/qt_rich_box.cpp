// The rich edit box over QTextEdit: the multi-line box whose document keeps character formats.
#include <QSignalBlocker>
#include <QTextEdit>

#include "platform/stdctrls/qt/qt_text_box.h"

namespace {

// The margins around the text are the viewport's, which are no part of the document (no edit,
// nothing to undo); the widget fills them with the field's colour.
class RichTextEdit : public QTextEdit {
 public:
  RichTextEdit() {
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
  }
  using QTextEdit::setViewportMargins;
};

class RichBox : public TextBox<RichTextEdit> {
 public:
  explicit RichBox(const std::function<void()>& changed) : TextBox<RichTextEdit>(changed) {
    QSignalBlocker block(edit_);      // a margin is no change of the text
    edit_->setAcceptRichText(false);  // pasted text comes as text, as typed
    edit_->document()->setDocumentMargin(0);
    edit_->setViewportMargins(1, 1, 1, 1);
  }

  // A text set is plain: it takes no format from the text before.
  void SetText(const AnsiString& text) override {
    {
      QSignalBlocker block(edit_);
      edit_->clear();
      edit_->setCurrentCharFormat(QTextCharFormat());
    }
    TextBox<RichTextEdit>::SetText(text);
  }
  void SetTextMargins(int left, int top, int right, int bottom) override {
    edit_->setViewportMargins(left, top, right, bottom);
  }
};

}  // namespace

EditBox* NewRichBox(const std::function<void()>& changed) { return new RichBox(changed); }
