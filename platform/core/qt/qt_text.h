// Where the layer meets Qt: Windows-1252 text to and from QString. Private to platform/.
#pragma once

#include <QString>

#include "platform/core/text.h"

inline QString ToQString(const AnsiString& text) {
  return QString::fromStdString(AnsiToUtf8(text));
}

inline AnsiString FromQString(const QString& text) { return Utf8ToAnsi(text.toStdString()); }
