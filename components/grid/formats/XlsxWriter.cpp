#include "components/grid/formats/XlsxWriter.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <functional>
#include <regex>
#include <set>

#include "components/grid/formats/CellAddress.h"
#include "components/grid/formats/ScratchFolder.h"
#include "components/grid/formats/XlsxParts.h"
#include "components/grid/formats/XmlParts.h"
#include "components/grid/formats/ZipArchive.h"
#include "platform/core/c_handle.h"
#include "platform/core/exception.h"
#include "platform/core/save_failure.h"
#include "platform/core/whole_file.h"

namespace {

constexpr std::size_t kMaxCellText = 32767;  // the format's limit of a cell text
constexpr const char* kWorksheetType =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet";
constexpr const char* kRelationshipsNs =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
constexpr const char* kWorksheetContent =
    "application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml";

// A cell holds at most kMaxCellText characters, each byte of a Windows-1252 text one of them.
// A longer text is refused rather than cut: a cut would lose data without a word.
std::string CellText(const AnsiString& Text, std::size_t Row, std::size_t Col,
                     const AnsiString& FileName) {
  if (Text.size() > kMaxCellText)
    throw Exception("Cannot write " + FileName + ": the text of cell " +
                    ColumnLetters(static_cast<int>(Col + 1)) + std::to_string(Row + 1) +
                    " is longer than the " + std::to_string(kMaxCellText) +
                    " characters a sheet cell holds");
  return AnsiToUtf8(Text);
}

void Check(lxw_error Error, const AnsiString& FileName) {
  if (Error != LXW_NO_ERROR)
    throw Exception("Cannot write " + FileName + ": " + lxw_strerror(Error));
}

void WriteRows(lxw_worksheet* Sheet, const TSheetRows& Rows, const AnsiString& FileName) {
  for (std::size_t r = 0; r < Rows.size(); ++r)
    for (std::size_t c = 0; c < Rows[r].size(); ++c) {
      const TSheetValue& v = Rows[r][c];
      const auto row = static_cast<lxw_row_t>(r);
      const auto col = static_cast<lxw_col_t>(c);
      if (v.Kind == TSheetValue::skNumber)
        Check(worksheet_write_number(Sheet, row, col, v.Number, nullptr), FileName);
      else if (v.Kind == TSheetValue::skText && !v.Text.empty())
        Check(worksheet_write_string(Sheet, row, col, CellText(v.Text, r, c, FileName).c_str(), nullptr), FileName);
    }
}

// The next name of the form Prefix + number + Suffix that Taken lacks.
template <typename Taken>
std::string FreeName(const std::string& Prefix, const std::string& Suffix, const Taken& Used) {
  for (int n = 1;; ++n)
    if (!Used(Prefix + std::to_string(n) + Suffix)) return Prefix + std::to_string(n) + Suffix;
}

// Xml with an insert put before its closing tag of Element; the insert is made for the
// namespace prefix the tag has ("x:" or "").
std::string InsertBeforeClose(const std::string& Xml, const std::string& Element,
                              const std::function<std::string(const std::string&)>& Insert,
                              const std::string& PartName) {
  std::smatch m;
  if (!std::regex_search(Xml, m, std::regex("</([A-Za-z0-9_]+:)?" + Element + ">")))
    throw Exception("The part " + PartName + " has no " + Element);
  return Xml.substr(0, m.position(0)) + Insert(m[1].str()) + Xml.substr(m.position(0));
}

// One above the workbook's highest sheet id. Ids are 32-bit unsigned numbers in the format: a
// longer one, or a highest one with none above it, marks the workbook as damaged.
unsigned long long NextSheetId(const std::string& Book, const std::string& PartName) {
  constexpr unsigned long long kMaxId = 0xFFFFFFFFull;
  unsigned long long highest = 0;
  const std::regex sheetId("sheetId=\"([0-9]+)\"");
  for (std::sregex_iterator it(Book.begin(), Book.end(), sheetId), end; it != end; ++it) {
    const std::string digits = (*it)[1];
    const unsigned long long id = digits.size() > 10 ? kMaxId + 1 : std::stoull(digits);
    if (id >= kMaxId)
      throw Exception("The part " + PartName + " is damaged: sheetId " + digits.substr(0, 20));
    highest = std::max(highest, id);
  }
  return highest + 1;
}

// The workbook gets a new last sheet whose part is returned.
std::string AddSheet(ZipArchive& Zip, const XlsxWorkbook& Book, const AnsiString& SheetName) {
  const std::string part =
      FreeName("xl/worksheets/sheet", ".xml", [&](const std::string& p) { return Zip.Has(p); });
  std::string rels = Zip.Entry(Book.RelsPart());
  const std::string relId = FreeName("rId", "", [&](const std::string& id) {
    return rels.find("\"" + id + "\"") != std::string::npos;
  });
  std::string book = Zip.Entry(Book.Part);
  const unsigned long long id = NextSheetId(book, Book.Part);
  Zip.Put(Book.Part, InsertBeforeClose(
                         book, "sheets",
                         [&](const std::string& prefix) {
                           return "<" + prefix + "sheet xmlns:r=\"" + kRelationshipsNs +
                                  "\" name=\"" + XmlText(SheetName) +
                                  "\" sheetId=\"" + std::to_string(id) + "\" r:id=\"" + relId +
                                  "\"/>";
                         },
                         Book.Part));
  Zip.Put(Book.RelsPart(), InsertBeforeClose(
                               rels, "Relationships",
                               [&](const std::string&) {
                                 return "<Relationship Id=\"" + relId + "\" Type=\"" +
                                        kWorksheetType + "\" Target=\"/" + part + "\"/>";
                               },
                               Book.RelsPart()));
  const std::string types = Zip.Entry("[Content_Types].xml");
  Zip.Put("[Content_Types].xml", InsertBeforeClose(
                                     types, "Types",
                                     [&](const std::string&) {
                                       return "<Override PartName=\"/" + part +
                                              "\" ContentType=\"" + kWorksheetContent + "\"/>";
                                     },
                                     "[Content_Types].xml"));
  return part;
}

// The calculation chain lists formula cells; the new sheet has none of the old ones, and a
// chain naming them makes the workbook count as damaged. It is rebuilt when the file opens.
void DropCalcChain(ZipArchive& Zip, const XlsxWorkbook& Book) {
  const std::regex entry("<(Relationship|Override)\\b[^>]*calcChain[^>]*/>");
  bool dropped = false;
  for (const std::string& part : {Book.RelsPart(), std::string("[Content_Types].xml")}) {
    const std::string xml = Zip.Entry(part);
    const std::string without = std::regex_replace(xml, entry, "");
    if (without != xml) Zip.Put(part, without), dropped = true;
  }
  if (dropped) Zip.Remove("xl/calcChain.xml");
}

// The workbook is made in the scratch folder; Target is the name failures report.
void WriteWorkbook(const ScratchFolder& Scratch, const std::string& Path, const AnsiString& Target,
                   const AnsiString& SheetName, const TSheetRows& Rows) {
  // Constant-memory mode writes texts into the sheet itself, so a sheet part stands alone.
  lxw_workbook_options options{};
  options.constant_memory = LXW_TRUE;
  options.tmpdir = const_cast<char*>(Scratch.Path().c_str());
  // A failure on the way closes the workbook unasked; the close that counts is asked below.
  CHandle<lxw_workbook, workbook_close> owner(workbook_new_opt(Path.c_str(), &options));
  lxw_workbook* book = owner.get();
  if (!book) throw Exception("Cannot create file " + Target);
  const std::string name = AnsiToUtf8(SheetName);
  lxw_error valid =
      SheetName.empty() ? LXW_NO_ERROR : workbook_validate_sheet_name(book, name.c_str());
  lxw_worksheet* sheet =
      valid == LXW_NO_ERROR
          ? workbook_add_worksheet(book, SheetName.empty() ? nullptr : name.c_str())
          : nullptr;
  Check(valid, Target);
  WriteRows(sheet, Rows, Target);
  Check(workbook_close(owner.release()), Target);
}

}  // namespace

// The workbook is written whole beside the file and takes its place, so a failure leaves an
// existing one as it was, wherever the scratch folder lies.
void WriteXlsxFile(const AnsiString& FileName, const AnsiString& SheetName,
                   const TSheetRows& Rows) {
  ScratchFolder scratch;
  TWholeFile file(FileName);
  const auto failed = [&] {
    return Exception(SaveFailureText(FileName, file.Error(), "Cannot create file " + FileName));
  };
  if (!file.Ok()) throw failed();
  WriteWorkbook(scratch, file.Name(), FileName, SheetName, Rows);
  if (!file.Commit()) throw failed();
}

void PutXlsxSheet(const AnsiString& FileName, const AnsiString& SheetName, const TSheetRows& Rows) {
  ScratchFolder scratch;
  const std::string single = scratch / "sheet.xlsx";
  WriteWorkbook(scratch, single, FileName, SheetName, Rows);
  const std::string sheetXml =
      ZipArchive(single, ZipArchive::Read).Entry("xl/worksheets/sheet1.xml");
  ZipArchive zip(FileName, ZipArchive::Change);
  const XlsxWorkbook book = ReadXlsxWorkbook(zip);
  const XlsxSheetEntry* entry = book.Find(SheetName);
  const std::string part = entry ? entry->Part : AddSheet(zip, book, SheetName);
  zip.Put(part, sheetXml);
  DropCalcChain(zip, book);
  zip.Commit();
}
