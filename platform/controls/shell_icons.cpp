#include "platform/controls/shell_icons.h"

#include <QFileIconProvider>
#include <QFileInfo>
#include <QIcon>
#include <QMimeDatabase>

#include <map>

#include "platform/core/qt/qt_text.h"
#include "platform/graphics/qt/qt_image.h"

namespace {

struct ShellLists {
  TImageList small{16, 16};
  TImageList large{32, 32};
  std::map<QString, int> indexes;  // by the icon's name or the file's kind
};

ShellLists& Lists() {
  static ShellLists lists;
  return lists;
}

void AddIcon(TImageList& list, const QIcon& icon) {
  TBitmap bitmap;
  bitmap.Pixels().image =
      icon.pixmap(list.GetWidth(), list.GetHeight())
          .toImage()
          .scaled(list.GetWidth(), list.GetHeight())
          .convertToFormat(QImage::Format_ARGB32);
  bitmap.PixelsChanged();
  list.Add(&bitmap, nullptr);
}

}  // namespace

TImageList* ShellImageList(bool Large) { return Large ? &Lists().large : &Lists().small; }

int ShellIconIndex(const AnsiString& FileName) {
  const QString path = ToQString(FileName).replace('\\', '/');
  const QFileInfo info(path);
  QIcon icon;
  QString key;
  if (info.exists()) {
    icon = QFileIconProvider().icon(info);
    key = info.isDir() ? QStringLiteral("inode/directory") : icon.name();
    if (key.isEmpty()) key = QMimeDatabase().mimeTypeForFile(info).name();
  } else {
    const QMimeType type = QMimeDatabase().mimeTypeForFile(path, QMimeDatabase::MatchExtension);
    key = type.name();
    icon = QIcon::fromTheme(type.iconName(), QIcon::fromTheme(type.genericIconName()));
  }
  if (icon.isNull()) return -1;
  ShellLists& lists = Lists();
  if (const auto found = lists.indexes.find(key); found != lists.indexes.end())
    return found->second;
  AddIcon(lists.small, icon);
  AddIcon(lists.large, icon);
  const int index = lists.small.GetCount() - 1;
  lists.indexes.emplace(key, index);
  return index;
}
