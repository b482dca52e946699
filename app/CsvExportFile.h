// An export file of the export window, written line by line beside the chosen name and put
// in its place whole at Close (TWholeFile): a full disk is never reported as saved, and a
// failed export keeps the file that was there.
#pragma once

#include "platform/core/save_failure.h"
#include "platform/core/text.h"
#include "platform/core/whole_file.h"

class CsvExportFile {
 public:
  explicit CsvExportFile(const AnsiString& name) : name_(name), file_(name) {}

  bool IsOpen() const { return file_.Ok(); }
  // The line and LF; false once a write failed.
  bool WriteLine(const AnsiString& line);
  // True when the file was made, every line written and the file is in its place.
  bool Close() { return file_.Commit(); }
  // What a failed export tells: a file the user may not write is named, else `otherwise`.
  AnsiString FailureText(const AnsiString& otherwise) const {
    return SaveFailureText(name_, file_.Error(), otherwise);
  }

 private:
  AnsiString name_;
  TWholeFile file_;
};
