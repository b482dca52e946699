// TExtStringGrid: the cells as a flat XML document, a record per row and a field per column.
#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridError.h"
#include "components/grid/formats/MarkupText.h"
#include "components/grid/formats/TextLines.h"

void TExtStringGrid::SaveToXML(const AnsiString& FileName, const AnsiString& ListDescr,
                               const AnsiString& RecordDescr, const TStrings* FieldDescr) {
  std::string out;
  AppendTextLine(out, "<?xml version=\"1.0\" encoding=\"ISO-8859-1\" ?>");
  AppendTextLine(out, "<" + ListDescr + ">");
  for (int r = GetSaveStartRow(); r <= GetSaveEndRow(); ++r) {
    AppendTextLine(out, "<" + RecordDescr + ">");
    for (int c = GetSaveStartCol(); c <= GetSaveEndCol(); ++c) {
      const int i = c - GetSaveStartCol();
      const AnsiString tag =
          FieldDescr && i < FieldDescr->Count() ? FieldDescr->Strings(i) : "FIELD" + IntToStr(i);
      AppendTextLine(out, "<" + tag + ">" + XMLEscape(SaveCell(RemapCol(c), r)) + "</" + tag + ">");
    }
    AppendTextLine(out, "</" + RecordDescr + ">");
  }
  AppendTextLine(out, "</" + ListDescr + ">");
  if (!WriteTextFile(FileName, out, false)) throw EExtGridError(WriteTextFailure(FileName, "Cannot Create file "));
}
