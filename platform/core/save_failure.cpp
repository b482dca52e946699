#include "platform/core/save_failure.h"

#include <cerrno>

bool IsWriteProtection(int error) { return error == EACCES || error == EPERM || error == EROFS; }

AnsiString SaveFailureText(const AnsiString& fileName, int error, const AnsiString& otherwise) {
  if (!IsWriteProtection(error)) return otherwise;
  return fileName + " ist schreibgesch\xFCtzt - nicht gespeichert";
}
