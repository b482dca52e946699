// The export files: their lines, their close, and the numbered names of the cart's files.
#include <cstring>

#include "app/CsvExportFile.h"
#include "app/Kalvento_warenkorbexportieren.h"
#include "engine/DbaseText.h"
#include "platform/core/files.h"

int csv_zeileschreiben(FILE* datei) {
  return csv_zeileschreiben(datei, AnsiString(dbase_text, strnlen(dbase_text, kDbaseTextSize)));
}

int csv_zeileschreiben(FILE* datei, const AnsiString& zeile) {
  bool written = std::fwrite(zeile.data(), 1, zeile.size(), datei) == zeile.size() &&
                 std::fputc('\n', datei) != EOF;
  return written ? 0 : -1;
}

// Only the final extension: a folder named "teile.csv.d" keeps its name.
AnsiString WarenkorbDateiname(const AnsiString& name, int k) {
  const AnsiString extension = ExtractFileExt(name);
  return ChangeFileExt(name, "_" + IntToStr(k) + extension);
}

bool CsvExportFile::WriteLine(const AnsiString& line) {
  return file_.Ok() && csv_zeileschreiben(file_.Stream(), line) == 0;
}
