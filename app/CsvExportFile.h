// An export file of the export window, written line by line beside the chosen name and put
// in its place whole at Close (TWholeFile): a full disk is never reported as saved, and a
// failed export keeps the file that was there.
#pragma once

#include "platform/core/text.h"
#include "platform/core/whole_file.h"

class CsvExportFile {
 public:
  explicit CsvExportFile(const AnsiString& name) : file_(name) {}

  bool IsOpen() const { return file_.Ok(); }
  // The line and LF; false once a write failed.
  bool WriteLine(const AnsiString& line);
  // True when the file was made, every line written and the file is in its place.
  bool Close() { return file_.Commit(); }

 private:
  TWholeFile file_;
};
