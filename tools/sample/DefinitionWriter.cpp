#include "tools/sample/DefinitionWriter.h"

#include <cstdio>

#include "engine/dbase.h"
#include "platform/core/c_handle.h"
#include "platform/core/files.h"

namespace {

// Collects the values' outcome, so one failed write fails the file.
struct Writer {
  FILE* file;
  bool ok = true;
  void Text(const AnsiString& text) { ok = dbase_ansischreiben(text, file) == 0 && ok; }
  void Integer(int value) {
    ok = dbase_intschreiben(value, file) == 0 && std::ferror(file) == 0 && ok;
  }
};

void WriteLayout(Writer& w, const DbmLayout& layout) {
  w.Integer(layout.columnCount);
  for (const DbmColumn& column : layout.columns) {
    w.Integer(column.field);
    w.Text(column.title);
    w.Text(column.reserve);
    w.Integer(column.width);
    w.Integer(column.color);
  }
}

}  // namespace

bool WriteDefinition(const DbmDefinition& d, const AnsiString& fileName) {
  FilePtr file(std::fopen(NativePath(fileName).c_str(), "wb"));
  if (!file) return false;
  Writer w{file.get()};
  for (const AnsiString* text : {&d.name, &d.lockFolder, &d.table, &d.query, &d.title})
    w.Text(*text);
  w.Integer(d.printButton);
  w.Integer(d.duplicateCheck);
  w.Integer(d.caseSensitive);
  for (const DbmLayout& layout : d.layouts) w.Text(layout.name);
  for (const DbmLayout& layout : d.layouts) WriteLayout(w, layout);
  w.Integer(d.locks);
  w.Integer(d.codePage);
  w.Text(d.specialText);
  w.Integer(d.specialButton);
  return CloseNow(file) && w.ok;
}
