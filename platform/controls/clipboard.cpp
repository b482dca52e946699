#include "platform/controls/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include "platform/controls/qt/qt_mime_formats.h"
#include "platform/core/qt/qt_text.h"

namespace {
bool IsText(unsigned format) {
  return format == CF_TEXT || format == CF_OEMTEXT || format == CF_UNICODETEXT;
}

const QMimeData* Current() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  return clipboard ? clipboard->mimeData() : nullptr;
}
}  // namespace

TClipboard::TClipboard() = default;
TClipboard::~TClipboard() = default;

void TClipboard::Open() { ++openCount_; }

void TClipboard::Close() {
  if (openCount_ == 0) return;
  if (--openCount_ == 0) Publish();
}

void TClipboard::Clear() {
  pending_ = std::make_unique<QMimeData>();
  if (openCount_ == 0) Publish();
}

QMimeData& TClipboard::Content() {
  if (!pending_) pending_ = std::make_unique<QMimeData>();
  return *pending_;
}

void TClipboard::Publish() {
  if (!pending_) return;
  if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setMimeData(pending_.release());
  pending_.reset();
}

bool TClipboard::HasFormat(unsigned format) const {
  const QMimeData* data = Current();
  if (!data) return false;
  if (IsText(format)) return HasMimeText(*data);
  if (format == CF_HDROP) return data->hasUrls();
  if (format == CF_BITMAP || format == CF_DIB) return data->hasImage();
  QString mime = MimeOfFormat(format);
  return !mime.isEmpty() && data->hasFormat(mime);
}

AnsiString TClipboard::GetAsText() const {
  const QMimeData* data = Current();
  return data ? MimeText(*data) : AnsiString();
}

void TClipboard::SetAsText(const AnsiString& text) {
  SetMimeText(Content(), text);
  if (openCount_ == 0) Publish();
}

std::vector<uint8_t> TClipboard::GetAsBytes(unsigned format) const {
  if (format == CF_UNICODETEXT) {
    QString text = ToQString(GetAsText());
    const auto* begin = reinterpret_cast<const uint8_t*>(text.utf16());
    std::vector<uint8_t> bytes(begin, begin + text.size() * 2);
    bytes.insert(bytes.end(), {0, 0});
    return bytes;
  }
  if (IsText(format)) {
    AnsiString text = GetAsText();
    std::vector<uint8_t> bytes(text.begin(), text.end());
    bytes.push_back(0);
    return bytes;
  }
  const QMimeData* data = Current();
  QString mime = MimeOfFormat(format);
  if (!data || mime.isEmpty() || !data->hasFormat(mime)) return {};
  QByteArray bytes = data->data(mime);
  return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

void TClipboard::SetAsBytes(unsigned format, const std::vector<uint8_t>& bytes) {
  if (format == CF_UNICODETEXT) {
    QString text = QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.data()),
                                      static_cast<qsizetype>(bytes.size() / 2));
    SetAsText(FromQString(text.left(text.indexOf(QChar(0)))));
    return;
  }
  if (IsText(format)) {
    SetAsText(AnsiString(bytes.begin(), bytes.end()));
    return;
  }
  QString mime = MimeOfFormat(format);
  if (mime.isEmpty()) return;
  Content().setData(mime, QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                     static_cast<qsizetype>(bytes.size())));
  if (openCount_ == 0) Publish();
}

TClipboard* Clipboard() {
  static TClipboard clipboard;
  return &clipboard;
}
