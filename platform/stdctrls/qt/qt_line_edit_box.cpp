// The single-line edit box over QLineEdit.
#include <QApplication>
#include <QLineEdit>
#include <QProxyStyle>
#include <QSignalBlocker>
#include <QStyleFactory>
#include <algorithm>

#include "platform/stdctrls/qt/qt_edit_box.h"
#include "platform/core/qt/qt_text.h"

namespace {

// Qt shows its own password character; this style shows the control's.
class PasswordStyle : public QProxyStyle {
 public:
  explicit PasswordStyle(QChar c)
      : QProxyStyle(QStyleFactory::create(QApplication::style()->name())), c_(c) {}
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* data) const override {
    if (hint == SH_LineEdit_PasswordCharacter) return c_.unicode();
    return QProxyStyle::styleHint(hint, option, widget, data);
  }

 private:
  QChar c_;
};

// Qt's form of a mask. Qt's letter classes know ASCII only, so every character class is "any
// character" here and the control checks the class itself.
QString QtMask(const TEditMask& mask) {
  QString qt;
  TEditMask::TCase letterCase = TEditMask::AsTyped;
  for (int i = 0; i < mask.Count(); ++i) {
    const TEditMask::TPosition& p = mask.Position(i);
    if (p.letterCase != letterCase) {
      letterCase = p.letterCase;
      qt += letterCase == TEditMask::Upper ? '>' : letterCase == TEditMask::Lower ? '<' : '!';
    }
    if (!p.kind) {
      qt += '\\';
      qt += ToQString(AnsiString(1, p.literal));
      continue;
    }
    switch (p.kind) {
      case '0':
        qt += '9';
        break;
      case '9':
        qt += '0';
        break;
      case '#':
        qt += '#';
        break;
      default:
        qt += p.Required() ? 'X' : 'x';
        break;
    }
  }
  return qt + ';' + ToQString(AnsiString(1, mask.Blank()));
}

// A line edit that tells where its caret stands.
class CaretLineEdit : public QLineEdit {
 public:
  QRect CaretRect() const { return cursorRect(); }
};

class LineEditBox : public EditBox {
 public:
  explicit LineEditBox(const std::function<void()>& changed) : edit_(new CaretLineEdit) {
    edit_->setAcceptDrops(false);
    changed_ = QObject::connect(edit_, &QLineEdit::textChanged, [changed] { changed(); });
    changedHandler_ = changed;
  }
  ~LineEditBox() override { QObject::disconnect(changed_); }

  QWidget* Widget() const override { return edit_; }
  // With a mask, the text as shown: literals and blanks included.
  AnsiString Text() const override { return FromQString(Shown()); }
  void SetText(const AnsiString& text) override {
    if (edit_->inputMask().isEmpty()) return edit_->setText(ToQString(text));
    SetMaskedText(ToQString(text));
  }
  int SelStart() const override {
    return edit_->hasSelectedText() ? edit_->selectionStart() : edit_->cursorPosition();
  }
  int SelLength() const override { return static_cast<int>(edit_->selectedText().size()); }
  void Select(int start, int length) override {
    int size = static_cast<int>(Shown().size());
    start = std::clamp(start, 0, size);
    int end = std::clamp(start + length, 0, size);
    if (end == start) edit_->setCursorPosition(start);
    else edit_->setSelection(start, end - start);  // a negative length leaves the caret at end
  }
  void ReplaceSelection(const AnsiString& text) override { edit_->insert(ToQString(text)); }
  bool Modified() const override { return edit_->isModified(); }
  void SetModified(bool modified) override { edit_->setModified(modified); }
  void SetReadOnly(bool readOnly) override { edit_->setReadOnly(readOnly); }
  void SetMaxLength(int length) override { edit_->setMaxLength(length > 0 ? length : 32767); }
  void SetPasswordChar(char c) override {
    delete style_;
    style_ = nullptr;
    if (c) {
      style_ = new PasswordStyle(ToQString(AnsiString(1, c)).at(0));
      style_->setParent(edit_);
      edit_->setStyle(style_);
    } else {
      edit_->setStyle(nullptr);
    }
    edit_->setEchoMode(c ? QLineEdit::Password : QLineEdit::Normal);
  }
  void SetMask(const TEditMask& mask) override {
    edit_->setInputMask(mask.Empty() ? QString() : QtMask(mask));
    blank_ = ToQString(AnsiString(1, mask.Blank())).at(0);
  }
  void SetFrame(bool frame) override { edit_->setFrame(frame); }
  void SetAlignment(int alignment) override {
    const Qt::Alignment horizontal[] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter};
    edit_->setAlignment(horizontal[alignment] | Qt::AlignVCenter);
  }
  void SetTextMargins(int left, int top, int right, int bottom) override {
    edit_->setTextMargins(left, top, right, bottom);
  }
  // The caret's rectangle tells where the shown text starts (scrolling and alignment
  // included); a character lies that far on from it.
  TPoint PosFromChar(int index) const override {
    const QString shown = edit_->displayText();  // password characters as shown
    if (index < 0 || index > shown.size()) return TPoint(-1, -1);
    const QFontMetrics metrics(edit_->font());
    const QRect caretRect = edit_->CaretRect();
    // The caret rectangle starts 5 pixels before the caret line.
    const int origin =
        caretRect.left() + 5 - metrics.horizontalAdvance(shown.left(edit_->cursorPosition()));
    return TPoint(origin + metrics.horizontalAdvance(shown.left(index)), caretRect.top());
  }
  int CharFromPos(TPoint point) const override {
    return edit_->cursorPositionAt(QPoint(point.x, point.y));
  }
  bool CanUndo() const override { return edit_->isUndoAvailable(); }
  void Undo() override { edit_->undo(); }

 private:
  QString Shown() const {
    return edit_->inputMask().isEmpty() ? edit_->text() : edit_->displayText();
  }
  // Qt reads a text given to a mask its own way (the blank may count as a character); so the
  // positions empty the box and take the shown text's characters one by one, as one change.
  void SetMaskedText(const QString& shown) {
    {
      QSignalBlocker quiet(edit_);
      edit_->clear();
      const QString empty = edit_->displayText();
      for (int i = 0; i < shown.size() && i < empty.size(); ++i) {
        if (empty[i] != blank_ || shown[i] == blank_ || shown[i] == ' ') continue;
        edit_->setCursorPosition(i);
        edit_->insert(shown.mid(i, 1));
      }
      edit_->setCursorPosition(static_cast<int>(empty.size()));
    }
    changedHandler_();
  }

  CaretLineEdit* edit_;
  QChar blank_ = '_';
  std::function<void()> changedHandler_;
  QStyle* style_ = nullptr;
  QMetaObject::Connection changed_;
};

}  // namespace

EditBox* NewLineEditBox(const std::function<void()>& changed) { return new LineEditBox(changed); }
