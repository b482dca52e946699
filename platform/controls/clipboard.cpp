#include "platform/controls/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <cstring>
#include <map>

#include "platform/core/qt/qt_text.h"

namespace {
// The exact bytes of the text beside its Unicode form, so that the program reads back what it
// wrote, line ends and all.
const QString kAnsiText = QStringLiteral("application/x-qt-windows-mime;value=\"CF_TEXT\"");

struct Registry {
  std::map<AnsiString, unsigned> ids;  // by upper-cased name
  std::map<unsigned, AnsiString> names;
  unsigned next = 0xC000;
};

Registry& Formats() {
  static Registry registry;
  return registry;
}

// The MIME type of a registered format: the common ones take the type other programs use.
QString MimeOf(unsigned format) {
  auto it = Formats().names.find(format);
  if (it == Formats().names.end()) return {};
  if (SameText(it->second, "Rich Text Format")) return QStringLiteral("text/rtf");
  if (SameText(it->second, "HTML Format")) return QStringLiteral("text/html");
  return QStringLiteral("application/x-qt-windows-mime;value=\"%1\"").arg(ToQString(it->second));
}

bool IsText(unsigned format) {
  return format == CF_TEXT || format == CF_OEMTEXT || format == CF_UNICODETEXT;
}

const QMimeData* Current() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  return clipboard ? clipboard->mimeData() : nullptr;
}

// Line ends as Windows programs keep them: a lone LF or CR becomes CR LF.
AnsiString WindowsLineEnds(const AnsiString& text) {
  AnsiString out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      out += "\r\n";
      ++i;
    } else if (c == '\r' || c == '\n') {
      out += "\r\n";
    } else {
      out += c;
    }
  }
  return out;
}
}  // namespace

unsigned RegisterClipboardFormat(const AnsiString& name) {
  Registry& registry = Formats();
  AnsiString key = AnsiUpperCase(name);
  auto it = registry.ids.find(key);
  if (it != registry.ids.end()) return it->second;
  unsigned id = registry.next++;
  registry.ids[key] = id;
  registry.names[id] = name;
  return id;
}

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
  if (IsText(format)) return data->hasText() || data->hasFormat(kAnsiText);
  if (format == CF_HDROP) return data->hasUrls();
  if (format == CF_BITMAP || format == CF_DIB) return data->hasImage();
  QString mime = MimeOf(format);
  return !mime.isEmpty() && data->hasFormat(mime);
}

AnsiString TClipboard::GetAsText() const {
  const QMimeData* data = Current();
  if (!data) return {};
  if (data->hasFormat(kAnsiText)) {
    QByteArray bytes = data->data(kAnsiText);
    return AnsiString(bytes.constData(), strnlen(bytes.constData(), bytes.size()));
  }
  return WindowsLineEnds(FromQString(data->text()));
}

void TClipboard::SetAsText(const AnsiString& text) {
  AnsiString line = text.substr(0, text.find('\0'));
  QMimeData& data = Content();
  data.setText(ToQString(StringReplaceAll(line, "\r\n", "\n")));
  data.setData(kAnsiText, QByteArray(line.data(), static_cast<qsizetype>(line.size())));
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
  QString mime = MimeOf(format);
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
  QString mime = MimeOf(format);
  if (mime.isEmpty()) return;
  Content().setData(mime, QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                     static_cast<qsizetype>(bytes.size())));
  if (openCount_ == 0) Publish();
}

TClipboard* Clipboard() {
  static TClipboard clipboard;
  return &clipboard;
}
