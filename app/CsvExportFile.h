// An export file of the export window: created at once ("wb"), written line by line, and
// closed with the answer whether every line and the close itself went through, so that a
// full disk is never reported as saved.
#pragma once

#include <cstdio>

#include "platform/core/c_handle.h"
#include "platform/core/text.h"

class CsvExportFile {
 public:
  explicit CsvExportFile(const AnsiString& name);

  bool IsOpen() const { return file_ != nullptr; }
  // The line and LF; false once a write failed.
  bool WriteLine(const AnsiString& line);
  // True when the file was created, every line written and the file closed.
  bool Close();

 private:
  FilePtr file_;
  bool failed_ = false;
};
