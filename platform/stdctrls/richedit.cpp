#include "platform/stdctrls/richedit.h"

#include <cmath>

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

#include "platform/controls/application.h"
#include "platform/core/qt/qt_text.h"
#include "platform/graphics/qt/qt_color.h"
#include "platform/stdctrls/qt/qt_edit_box.h"

namespace {

QTextEdit* Editor(const TRichEdit& edit) { return static_cast<QTextEdit*>(edit.Widget()); }

// Only what the attributes say goes into the format; the rest is the control's font.
QTextCharFormat ToFormat(const TRichAttributes& attributes) {
  QTextCharFormat format;
  format.setFontWeight(attributes.Style.Contains(fsBold) ? QFont::Bold : QFont::Normal);
  format.setFontItalic(attributes.Style.Contains(fsItalic));
  format.setFontUnderline(attributes.Style.Contains(fsUnderline));
  format.setFontStrikeOut(attributes.Style.Contains(fsStrikeOut));
  if (attributes.Size > 0) format.setFontPointSize(attributes.Size);
  if (attributes.Color != clNone) format.setForeground(ToQColor(attributes.Color));
  return format;
}

TRichAttributes FromFormat(const QTextCharFormat& format) {
  TRichAttributes attributes;
  if (format.fontWeight() >= QFont::DemiBold) attributes.Style << fsBold;
  if (format.fontItalic()) attributes.Style << fsItalic;
  if (format.fontUnderline()) attributes.Style << fsUnderline;
  if (format.fontStrikeOut()) attributes.Style << fsStrikeOut;
  if (format.hasProperty(QTextFormat::FontPointSize))
    attributes.Size = static_cast<int>(format.fontPointSize() + 0.5);
  if (format.foreground().style() != Qt::NoBrush)
    attributes.Color = FromQColor(format.foreground().color());
  return attributes;
}

// A line break inside a paragraph (Shift+Enter) reads as a paragraph end.
AnsiString SpanText(const QString& text) {
  QString q = text;
  q.replace(QChar::LineSeparator, QStringLiteral("\r\n"));
  return FromQString(q);
}

}  // namespace

TRichEdit::TRichEdit(TComponent* AOwner) : TCustomEdit(AOwner, NewRichBox([this] { Change(); })) {
  QTextEdit* editor = Editor(*this);
  AddInputWidget(editor->viewport());
  // One report for a caret move and a selection change, where anything changed.
  const auto report = [this] {
    const QTextCursor cursor = Editor(*this)->textCursor();
    if (cursor.selectionStart() == selStart_ && cursor.selectionEnd() == selEnd_) return;
    selStart_ = cursor.selectionStart();
    selEnd_ = cursor.selectionEnd();
    Application->HandleEvent([this] { SelectionChange(); });
  };
  QObject::connect(editor, &QTextEdit::cursorPositionChanged, Widget(), report);
  QObject::connect(editor, &QTextEdit::selectionChanged, Widget(), report);
  QObject::connect(
      editor->document()->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged,
      Widget(), [this](const QSizeF& size) {
        // The text, the room kept around it and the frame.
        const QTextEdit* edit = Editor(*this);
        const int around = edit->height() - edit->viewport()->height();
        const TRect rect(0, 0, GetWidth(), static_cast<int>(std::ceil(size.height())) + around);
        Application->HandleEvent([this, rect] { RequestSize(rect); });
      });
  SetBounds(0, 0, 185, 89);
  ApplySelectionLook();
}

// The widget outlives the control a little; it reports nothing to it then.
TRichEdit::~TRichEdit() {
  QTextEdit* editor = Editor(*this);
  QObject::disconnect(editor, nullptr, Widget(), nullptr);
  QObject::disconnect(editor->document()->documentLayout(), nullptr, Widget(), nullptr);
}

std::vector<TRichSpan> TRichEdit::GetSpans() const {
  std::vector<TRichSpan> spans;
  const QTextDocument* document = Editor(*this)->document();
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
    if (block != document->begin()) spans.push_back({"\r\n", {}});
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      if (fragment.isValid())
        spans.push_back({SpanText(fragment.text()), FromFormat(fragment.charFormat())});
    }
  }
  return spans;
}

// As setting the text: no undo back to the old text, and not modified.
void TRichEdit::SetSpans(const std::vector<TRichSpan>& Spans) {
  SetText("");
  QTextDocument* document = Editor(*this)->document();
  document->setUndoRedoEnabled(false);
  QTextCursor cursor(document);
  cursor.setBlockCharFormat(QTextCharFormat());
  for (const TRichSpan& span : Spans) {
    const AnsiString text = StringReplaceAll(span.Text, "\r\n", "\n");
    cursor.insertText(ToQString(StringReplaceAll(text, "\r", "\n")), ToFormat(span.Attributes));
  }
  document->setUndoRedoEnabled(true);
  SetModified(false);
}

TRichAttributes TRichEdit::GetSelAttributes() const {
  return FromFormat(Editor(*this)->currentCharFormat());
}

void TRichEdit::SetSelAttributes(const TRichAttributes& Value) {
  QTextEdit* editor = Editor(*this);
  QTextCursor cursor = editor->textCursor();
  if (cursor.hasSelection()) cursor.setCharFormat(ToFormat(Value));
  editor->setCurrentCharFormat(ToFormat(Value));
}

void TRichEdit::SetHideSelection(bool Value) {
  hideSelection_ = Value;
  ApplySelectionLook();
}

void TRichEdit::SetWordWrap(bool Value) {
  wordWrap_ = Value;
  Editor(*this)->setLineWrapMode(Value ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
}

void TRichEdit::WMGetDlgCode(TWMGetDlgCode& Message) {
  TCustomEdit::WMGetDlgCode(Message);
  if (WantReturns) Message.Result |= DLGC_WANTALLKEYS;
  if (WantTabs) Message.Result |= DLGC_WANTTAB;
}

void TRichEdit::ColorChanged() {
  TCustomEdit::ColorChanged();
  ApplySelectionLook();
}

void TRichEdit::SelectionChange() {
  if (OnSelectionChange) OnSelectionChange(this);
}

void TRichEdit::RequestSize(const TRect& Rect) {
  if (OnResizeRequest) OnResizeRequest(this, Rect);
}

// Without the focus a hidden selection is painted as the text around it.
void TRichEdit::ApplySelectionLook() {
  QWidget* widget = Widget();
  QPalette palette = widget->palette();
  const QPalette active = palette;
  palette.setBrush(QPalette::Inactive, QPalette::Highlight,
                   hideSelection_ ? QBrush(Qt::transparent)
                                  : active.brush(QPalette::Active, QPalette::Highlight));
  palette.setBrush(QPalette::Inactive, QPalette::HighlightedText,
                   hideSelection_ ? active.brush(QPalette::Inactive, QPalette::Text)
                                  : active.brush(QPalette::Active, QPalette::HighlightedText));
  widget->setPalette(palette);
}
