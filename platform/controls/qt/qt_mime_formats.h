// The MIME types the clipboard formats travel as, shared by the clipboard and drag and drop.
// Private to platform/.
#pragma once

#include <QString>

#include "platform/core/text.h"

class QMimeData;

// The exact bytes of CF_TEXT, kept beside the Unicode text.
const QString& AnsiTextMime();
// The MIME type of a registered format (empty for others); the common ones take the type
// other programs use.
QString MimeOfFormat(unsigned format);
// The registered format a MIME type stands for; 0 for none.
unsigned FormatOfMime(const QString& mime);

// Text in the program's code page with CR LF line ends: the exact bytes when the program put
// them there, else the Unicode text converted.
bool HasMimeText(const QMimeData& data);
AnsiString MimeText(const QMimeData& data);
void SetMimeText(QMimeData& data, const AnsiString& text);
