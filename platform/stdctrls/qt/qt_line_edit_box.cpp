// The single-line edit box over QLineEdit.
#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QProxyStyle>
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

// A line edit that lets its control paint over it once it has painted itself.
class PaintedLineEdit : public QLineEdit {
 public:
  std::function<void(QPainter&)> overPaint;
  QRect CaretRect() const { return cursorRect(); }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QLineEdit::paintEvent(event);
    if (!overPaint) return;
    QPainter painter(this);
    overPaint(painter);
  }
};

class LineEditBox : public EditBox {
 public:
  explicit LineEditBox(const std::function<void()>& changed) : edit_(new PaintedLineEdit) {
    edit_->setAcceptDrops(false);
    changed_ = QObject::connect(edit_, &QLineEdit::textChanged, [changed] { changed(); });
  }
  ~LineEditBox() override { QObject::disconnect(changed_); }

  QWidget* Widget() const override { return edit_; }
  AnsiString Text() const override { return FromQString(edit_->text()); }
  void SetText(const AnsiString& text) override { edit_->setText(ToQString(text)); }
  int SelStart() const override {
    return edit_->hasSelectedText() ? edit_->selectionStart() : edit_->cursorPosition();
  }
  int SelLength() const override { return static_cast<int>(edit_->selectedText().size()); }
  void Select(int start, int length) override {
    int size = static_cast<int>(edit_->text().size());
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
  bool CanUndo() const override { return edit_->isUndoAvailable(); }
  void Undo() override { edit_->undo(); }

  void SetFrame(bool frame) override { edit_->setFrame(frame); }
  void SetTextMargins(int left, int top, int right, int bottom) override {
    edit_->setTextMargins(left, top, right, bottom);
  }
  void SetAlignment(int alignment) override {
    Qt::Alignment horizontal = alignment == 1   ? Qt::AlignRight
                               : alignment == 2 ? Qt::AlignHCenter
                                                : Qt::AlignLeft;
    edit_->setAlignment(horizontal | Qt::AlignVCenter);
  }
  void SetOverPaint(std::function<void(QPainter&)> paint) override {
    edit_->overPaint = std::move(paint);
  }
  // The caret's rectangle tells where the shown text starts (scrolling and alignment
  // included); a character lies that far on from it.
  TPoint PosFromChar(int index) const override {
    const QString shown = edit_->displayText();
    if (index < 0 || index > shown.size()) return TPoint(-1, -1);
    const QFontMetrics metrics(edit_->font());
    const int caret = edit_->cursorPosition();
    const QRect caretRect = edit_->CaretRect();
    // The caret rectangle starts 5 pixels before the caret line.
    const int caretX = caretRect.left() + 5;
    const int origin = caretX - metrics.horizontalAdvance(shown.left(caret));
    return TPoint(origin + metrics.horizontalAdvance(shown.left(index)), caretRect.top());
  }

 private:
  PaintedLineEdit* edit_;
  QStyle* style_ = nullptr;
  QMetaObject::Connection changed_;
};

}  // namespace

EditBox* NewLineEditBox(const std::function<void()>& changed) { return new LineEditBox(changed); }
