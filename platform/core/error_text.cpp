#include "platform/core/error_text.h"

#include <cerrno>
#include <cstring>

AnsiString SystemErrorText(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR: return "Verzeichnis nicht gefunden";
    case EACCES:
    case EPERM: return "Zugriff verweigert";
    case EROFS: return "Datentr\xE4ger ist schreibgesch\xFCtzt";
    case ENOSPC:
    case EDQUOT: return "Datentr\xE4ger ist voll";
    case EISDIR: return "ist ein Verzeichnis";
    case ENAMETOOLONG: return "Name zu lang";
    case ELOOP: return "zu viele Verweise";
    case EFBIG: return "Datei zu gro\xDF";
    default: return std::strerror(error);
  }
}
