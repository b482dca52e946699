#include "platform/controls/shell.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "platform/core/files.h"
#include "platform/core/qt/qt_text.h"

namespace {

bool DesktopOpen(const AnsiString& target) {
  QString text = ToQString(target);
  QUrl url = text.startsWith('/') ? QUrl::fromLocalFile(text) : QUrl(text);
  return QDesktopServices::openUrl(url);
}

ShellOpenHook& Hook() {
  static ShellOpenHook hook = DesktopOpen;
  return hook;
}

bool IsAddress(const AnsiString& file) {
  return file.find("://") != AnsiString::npos || file.rfind("mailto:", 0) == 0;
}

}  // namespace

ShellOpenHook SetShellOpenHook(ShellOpenHook hook) {
  ShellOpenHook previous = Hook();
  Hook() = hook ? std::move(hook) : DesktopOpen;
  return previous;
}

HINSTANCE ShellExecuteA(HWND, const char* operation, const char* file, const char*,
                        const char* directory, int) {
  AnsiString verb = operation ? operation : "";
  if (!verb.empty() && !SameText(verb, "open") && !SameText(verb, "explore")) return SE_ERR_NOASSOC;
  AnsiString target = file ? file : "";
  if (!IsAddress(target)) {
    QString path = ToQString(NativePath(target));
    QString base = directory && *directory ? ToQString(NativePath(directory))
                                           : QDir::currentPath();
    QFileInfo info(QDir(base), path);
    if (!info.exists()) return SE_ERR_FNF;
    target = FromQString(info.absoluteFilePath());
  }
  return Hook()(target) ? 42 : SE_ERR_NOASSOC;
}
