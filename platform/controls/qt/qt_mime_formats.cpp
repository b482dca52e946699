#include "platform/controls/qt/qt_mime_formats.h"

#include <QMimeData>
#include <cstring>
#include <map>

#include "platform/controls/clipboard.h"
#include "platform/core/qt/qt_text.h"

namespace {
const QString kWindowsMime = QStringLiteral("application/x-qt-windows-mime;value=\"%1\"");

struct Registry {
  std::map<AnsiString, unsigned> ids;  // by upper-cased name
  std::map<unsigned, AnsiString> names;
  unsigned next = 0xC000;
};

Registry& Formats() {
  static Registry registry;
  return registry;
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

const QString& AnsiTextMime() {
  static const QString mime = kWindowsMime.arg(QStringLiteral("CF_TEXT"));
  return mime;
}

QString MimeOfFormat(unsigned format) {
  auto it = Formats().names.find(format);
  if (it == Formats().names.end()) return {};
  if (SameText(it->second, "Rich Text Format")) return QStringLiteral("text/rtf");
  if (SameText(it->second, "HTML Format")) return QStringLiteral("text/html");
  return kWindowsMime.arg(ToQString(it->second));
}

unsigned FormatOfMime(const QString& mime) {
  if (mime == QLatin1String("text/rtf") || mime == QLatin1String("application/rtf"))
    return RegisterClipboardFormat("Rich Text Format");
  if (mime == QLatin1String("text/html")) return RegisterClipboardFormat("HTML Format");
  const QString prefix = kWindowsMime.left(kWindowsMime.indexOf('"') + 1);
  if (!mime.startsWith(prefix) || !mime.endsWith('"') || mime == AnsiTextMime()) return 0;
  return RegisterClipboardFormat(FromQString(mime.mid(prefix.size(), mime.size() - prefix.size() - 1)));
}

bool HasMimeText(const QMimeData& data) { return data.hasText() || data.hasFormat(AnsiTextMime()); }

AnsiString MimeText(const QMimeData& data) {
  if (data.hasFormat(AnsiTextMime())) {
    QByteArray bytes = data.data(AnsiTextMime());
    return AnsiString(bytes.constData(), strnlen(bytes.constData(), bytes.size()));
  }
  return WindowsLineEnds(FromQString(data.text()));
}

void SetMimeText(QMimeData& data, const AnsiString& text) {
  AnsiString line = text.substr(0, text.find('\0'));
  data.setText(ToQString(StringReplaceAll(line, "\r\n", "\n")));
  data.setData(AnsiTextMime(), QByteArray(line.data(), static_cast<qsizetype>(line.size())));
}
