// The rich edit box over QTextEdit: the multi-line box whose document keeps character formats.
// The formatting rectangle is the document's margin on each side, so the room around the text
// shows the field's colour.
#include <QSignalBlocker>
#include <QTextEdit>
#include <QTextFrame>

#include "platform/stdctrls/qt/qt_text_box.h"

namespace {

class RichBox : public TextBox<QTextEdit> {
 public:
  explicit RichBox(const std::function<void()>& changed) : TextBox<QTextEdit>(changed) {
    QSignalBlocker block(edit_);  // a margin is no change of the text
    edit_->setAcceptRichText(false);  // pasted text comes as text, as typed
    edit_->document()->setDocumentMargin(1);
  }

  // A text set is plain: it takes no format from the text before. It may come with a new root
  // frame, whose margins are set again.
  void SetText(const AnsiString& text) override {
    {
      QSignalBlocker block(edit_);
      edit_->clear();
      edit_->setCurrentCharFormat(QTextCharFormat());
    }
    TextBox<QTextEdit>::SetText(text);
    ApplyMargins();
  }
  void SetTextMargins(int left, int top, int right, int bottom) override {
    margins_ = TRect(left, top, right, bottom);
    marginsSet_ = true;
    ApplyMargins();
  }

 private:
  void ApplyMargins() {
    if (!marginsSet_) return;
    QSignalBlocker block(edit_);
    QTextFrame* root = edit_->document()->rootFrame();
    QTextFrameFormat format = root->frameFormat();
    format.setLeftMargin(margins_.Left);
    format.setTopMargin(margins_.Top);
    format.setRightMargin(margins_.Right);
    format.setBottomMargin(margins_.Bottom);
    root->setFrameFormat(format);
  }

  TRect margins_;
  bool marginsSet_ = false;
};

}  // namespace

EditBox* NewRichBox(const std::function<void()>& changed) { return new RichBox(changed); }
