#include "platform/stdctrls/memo.h"

#include <QPlainTextEdit>
#include <QTextBlock>

#include "platform/stdctrls/qt/qt_edit_box.h"
#include "platform/stdctrls/list_index.h"
#include "platform/core/qt/qt_text.h"

namespace {

QPlainTextEdit* Editor(const TMemo& memo) { return static_cast<QPlainTextEdit*>(memo.Widget()); }

// The lines of a memo, changed through its selection as the Windows edit control changes
// them, so every change is one the memo reports. The last line counts only when not empty.
class MemoLines : public TStrings {
 public:
  explicit MemoLines(TMemo& memo) : memo_(memo) {}

  int Count() const override {
    QTextDocument* document = Editor(memo_)->document();
    int count = document->blockCount();
    return document->lastBlock().length() <= 1 ? count - 1 : count;
  }
  AnsiString Strings(int index) const override {
    CheckListIndex(index, Count());
    return FromQString(Editor(memo_)->document()->findBlockByNumber(index).text());
  }
  void SetStrings(int index, const AnsiString& text) override {
    CheckListIndex(index, Count());
    Replace(memo_.LineIndex(index), LineLength(index), text);
  }
  TObject* Objects(int) const override { return nullptr; }
  void SetObjects(int, TObject*) override {}
  // Before an existing line the text goes in with its line end; past the last line it goes
  // after a line end of its own.
  void InsertObject(int index, const AnsiString& text, TObject*) override {
    CheckListIndex(index, Count() + 1);
    int start = memo_.LineIndex(index);
    if (start >= 0) return Replace(start, 0, text + "\r\n");
    int previous = memo_.LineIndex(index - 1);
    Replace(previous + LineLength(index - 1), 0, "\r\n" + text);
  }
  void Delete(int index) override {
    CheckListIndex(index, Count());
    int start = memo_.LineIndex(index);
    int next = memo_.LineIndex(index + 1);
    Replace(start, (next >= 0 ? next : start + LineLength(index)) - start, "");
  }
  void Clear() override { memo_.Clear(); }

 private:
  int LineLength(int line) const {
    return static_cast<int>(Editor(memo_)->document()->findBlockByNumber(line).text().size());
  }
  void Replace(int start, int length, const AnsiString& text) {
    memo_.SetSelStart(start);
    memo_.SetSelLength(length);
    memo_.SetSelText(text);
  }

  TMemo& memo_;
};

}  // namespace

TMemo::TMemo(TComponent* AOwner)
    : TCustomEdit(AOwner, NewMemoBox([this] { Change(); })),
      lines_(std::make_unique<MemoLines>(*this)) {
  AddInputWidget(Editor(*this)->viewport());
  SetBounds(0, 0, 185, 89);
  ApplyLayout();
}

TMemo::~TMemo() = default;

int TMemo::LineIndex(int line) const {
  QTextDocument* document = Editor(*this)->document();
  if (line < 0 || line >= document->blockCount()) return -1;
  int position = 0;
  for (QTextBlock block = document->firstBlock(); block.blockNumber() < line; block = block.next())
    position += static_cast<int>(block.text().size()) + 2;
  return position;
}

void TMemo::SetWordWrap(bool value) {
  wordWrap_ = value;
  ApplyLayout();
}

void TMemo::SetScrollBars(TScrollStyle value) {
  scrollBars_ = value;
  ApplyLayout();
}

// Scroll bars that are asked for always show, as the Windows memo shows them.
void TMemo::ApplyLayout() {
  QPlainTextEdit* editor = Editor(*this);
  editor->setLineWrapMode(wordWrap_ ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
  bool vertical = scrollBars_ == ssVertical || scrollBars_ == ssBoth;
  bool horizontal = (scrollBars_ == ssHorizontal || scrollBars_ == ssBoth) && !wordWrap_;
  editor->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  editor->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

void TMemo::WMGetDlgCode(TWMGetDlgCode& Message) {
  TCustomEdit::WMGetDlgCode(Message);
  if (WantReturns) Message.Result |= DLGC_WANTALLKEYS;
  if (WantTabs) Message.Result |= DLGC_WANTTAB;
}
