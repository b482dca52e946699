#include "platform/core/resource.h"

#include <QFile>

#include "platform/core/qt/qt_text.h"

AnsiString MakeIntResource(int id) { return "#" + std::to_string(id); }

bool FindResourceData(HINSTANCE instance, const AnsiString& name, const AnsiString& type,
                      std::vector<uint8_t>& data) {
  // A path separator would reach another type's resources.
  if (instance != HInstance || name.empty() || name.find('/') != AnsiString::npos) return false;
  QFile file(ToQString(":/" + UpperCase(type) + "/" + UpperCase(name)));
  if (!file.open(QIODevice::ReadOnly)) return false;
  QByteArray bytes = file.readAll();
  data.assign(bytes.begin(), bytes.end());
  return true;
}
