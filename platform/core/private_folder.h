// A folder of this process alone in the system's temporary folder: made anew under a name no
// other has, open to its owner only (0700), so that nothing another user places in the
// temporary folder (a pipe, a link) can stand in for a file made there. Removed with the
// object, with what it still holds.
#pragma once

#include "platform/core/text.h"

class TPrivateFolder {
 public:
  // prefix: the start of the folder's name, telling whose it is.
  explicit TPrivateFolder(const AnsiString& prefix);
  ~TPrivateFolder();
  TPrivateFolder(const TPrivateFolder&) = delete;
  TPrivateFolder& operator=(const TPrivateFolder&) = delete;

  // False, with the errno in Error(), when it could not be made.
  bool Ok() const { return !path_.empty(); }
  int Error() const { return error_; }
  // The folder with its trailing separator; empty when it could not be made.
  const AnsiString& Path() const { return path_; }

 private:
  AnsiString path_;
  int error_ = 0;
};
