// File names between the layer and Qt: the layer keeps a name's bytes as the file system has
// them, Qt takes and gives names as Unicode. Private to platform/.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include "platform/core/text.h"

inline QString FileNameToQString(const AnsiString& name) {
  return QFile::decodeName(QByteArray::fromStdString(name));
}

inline AnsiString FileNameFromQString(const QString& name) {
  return QFile::encodeName(name).toStdString();
}
