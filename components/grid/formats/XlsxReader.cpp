#include "components/grid/formats/XlsxReader.h"

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <set>

#include "components/grid/formats/CellAddress.h"
#include "components/grid/formats/XlsxParts.h"
#include "components/grid/formats/XmlParts.h"
#include "components/grid/formats/ZipArchive.h"
#include "platform/core/exception.h"

namespace {

// The sheet limits of the format; cells claimed beyond them are not read.
constexpr int kMaxCols = 16384;
constexpr int kMaxRows = 1048576;

std::vector<AnsiString> ReadSharedStrings(const ZipArchive& Zip, const std::string& Part) {
  std::vector<AnsiString> strings;
  if (Part.empty() || !Zip.Has(Part)) return strings;
  std::string current;
  bool inText = false;
  int phonetic = 0;  // the reading aids of East Asian texts are no part of the text
  ParseXmlPart(Zip.Entry(Part), Part,
               {[&](const std::string& name, const XmlAttributes&) {
                  if (name == "si") current.clear();
                  if (name == "rPh") ++phonetic;
                  if (name == "t") inText = phonetic == 0;
                },
                [&](const std::string& name) {
                  if (name == "si") strings.push_back(Utf8ToAnsi(current));
                  if (name == "rPh") --phonetic;
                  if (name == "t") inText = false;
                },
                [&](const std::string& text) {
                  if (inText) current += text;
                }});
  return strings;
}

// Day, month, year, hour or second letters outside quotes, escapes and [colour] brackets.
bool IsDateFormatCode(const std::string& Code) {
  bool quoted = false;
  int bracket = 0;
  for (std::size_t i = 0; i < Code.size(); ++i) {
    const char ch = Code[i];
    if (ch == '"') quoted = !quoted;
    if (quoted) continue;
    if (ch == '\\')
      ++i;
    else if (ch == '[')
      ++bracket;
    else if (ch == ']')
      bracket = bracket > 0 ? bracket - 1 : 0;
    else if (bracket == 0 && ch != 0 && std::strchr("dmyhsDMYHS", ch))
      return true;
  }
  return false;
}

bool IsBuiltinDateFormat(int Id) {
  return (Id >= 14 && Id <= 22) || (Id >= 27 && Id <= 36) || (Id >= 45 && Id <= 47) ||
         (Id >= 50 && Id <= 58);
}

// For each cell style index: whether its number format shows a date or time.
std::vector<bool> ReadDateStyles(const ZipArchive& Zip, const std::string& Part) {
  std::vector<bool> dates;
  if (Part.empty() || !Zip.Has(Part)) return dates;
  std::set<int> customDates;
  std::vector<int> styleFormats;
  bool inCellXfs = false;
  ParseXmlPart(
      Zip.Entry(Part), Part,
      {[&](const std::string& name, const XmlAttributes& a) {
         if (name == "numFmt" && a.count("numFmtId") && a.count("formatCode") &&
             IsDateFormatCode(a.at("formatCode")))
           customDates.insert(std::atoi(a.at("numFmtId").c_str()));
         if (name == "cellXfs") inCellXfs = true;
         if (name == "xf" && inCellXfs)
           styleFormats.push_back(a.count("numFmtId") ? std::atoi(a.at("numFmtId").c_str()) : 0);
       },
       [&](const std::string& name) {
         if (name == "cellXfs") inCellXfs = false;
       },
       {}});
  for (int id : styleFormats) dates.push_back(IsBuiltinDateFormat(id) || customDates.count(id));
  return dates;
}

// One <c> element's attributes and contents while the sheet is read.
struct CellReader {
  CellReader(const std::string& P, const std::vector<AnsiString>& S, const std::vector<bool>& D,
             double Shift, TSheetData& Into)
      : Part(P), Strings(S), DateStyles(D), DateShift(Shift), Sheet(Into) {}
  const std::string& Part;
  const std::vector<AnsiString>& Strings;
  const std::vector<bool>& DateStyles;
  double DateShift;
  TSheetData& Sheet;

  int row = 0, col = 0;
  std::string type, value;
  bool dateStyle = false, inValue = false;

  void StartRow(const XmlAttributes& a) {
    const auto r = a.find("r");
    row = r != a.end() ? RowNumber(r->second) : Following(row, kMaxRows, "row");
    col = 0;
  }
  void StartCell(const XmlAttributes& a) {
    const auto r = a.find("r");
    int c = 0, rr = row;
    if (r == a.end() || !ReadCellAddress(r->second, c, rr))
      c = Following(col, kMaxCols, "cell"), rr = row;
    col = c, row = rr;
    const auto t = a.find("t");
    type = t != a.end() ? t->second : "n";
    const auto s = a.find("s");
    const long style = s != a.end() ? std::atol(s->second.c_str()) : 0;
    dateStyle = style >= 0 && static_cast<std::size_t>(style) < DateStyles.size() &&
                DateStyles[static_cast<std::size_t>(style)];
    value.clear();
  }
  // A stated row number beyond the sheet is passed over like its cells; digits past any
  // count read as such a number.
  static int RowNumber(const std::string& Text) {
    const long long number = std::strtoll(Text.c_str(), nullptr, 10);
    return number < 0 ? 0 : number > kMaxRows ? kMaxRows + 1 : static_cast<int>(number);
  }
  // The row or cell after Last, for one that states no place of its own: none follows the
  // sheet's last, so such a sheet is damaged (counting on would overflow).
  int Following(int Last, int Limit, const char* What) const {
    if (Last >= Limit)
      throw Exception("The part " + Part + " is damaged: a " + What + " after the sheet's last");
    return Last + 1;
  }
  void EndCell() {
    if (col < 1 || col > kMaxCols || row < 1 || row > kMaxRows) return;
    Sheet.Include(col, row);
    TSheetValue v = Value();
    if (v.Kind != TSheetValue::skEmpty) Sheet.Cells[{row, col}] = v;
  }
  TSheetValue Value() const {
    TSheetValue v;
    if (value.empty() && type != "inlineStr" && type != "str") return v;
    if (type == "s") {
      char* end = nullptr;
      const unsigned long index = std::strtoul(value.c_str(), &end, 10);
      if (*end == '\0' && index < Strings.size())
        v.Kind = TSheetValue::skText, v.Text = Strings[index];
    } else if (type == "inlineStr" || type == "str") {
      v.Kind = TSheetValue::skText, v.Text = Utf8ToAnsi(value);
    } else if (type == "b") {
      v.Kind = TSheetValue::skBoolean, v.Number = value == "1" || value == "true";
    } else if (type == "e") {
      v.Kind = TSheetValue::skError, v.Text = Utf8ToAnsi(value);
    } else {
      char* end = nullptr;
      const double number = std::strtod(value.c_str(), &end);
      if (*end != '\0') return v;
      v.Kind = dateStyle ? TSheetValue::skDate : TSheetValue::skNumber;
      v.Number = dateStyle ? number + DateShift : number;
    }
    return v;
  }
};

void ReadSheetCells(const ZipArchive& Zip, const std::string& Part, CellReader& Reader) {
  int inCell = 0;
  bool inText = false;
  ParseXmlPart(Zip.Entry(Part), Part,
               {[&](const std::string& name, const XmlAttributes& a) {
                  if (name == "row") Reader.StartRow(a);
                  if (name == "c") Reader.StartCell(a), inCell = 1;
                  if (inCell && (name == "v" || (name == "t" && Reader.type == "inlineStr")))
                    inText = true;
                  if (name == "rPh") inCell = inCell ? 2 : 0;  // phonetic text is no value
                },
                [&](const std::string& name) {
                  if (name == "c") Reader.EndCell(), inCell = 0;
                  if (name == "v" || name == "t") inText = false;
                  if (name == "rPh" && inCell) inCell = 1;
                },
                [&](const std::string& text) {
                  if (inText && inCell == 1) Reader.value += text;
                }});
}

}  // namespace

std::vector<AnsiString> XlsxSheetNames(const AnsiString& FileName) {
  const ZipArchive zip(FileName, ZipArchive::Read);
  std::vector<AnsiString> names;
  for (const auto& sheet : ReadXlsxWorkbook(zip).Sheets) names.push_back(Utf8ToAnsi(sheet.Name));
  return names;
}

bool ReadXlsxSheet(const AnsiString& FileName, const AnsiString& SheetName, TSheetData& Sheet) {
  const ZipArchive zip(FileName, ZipArchive::Read);
  const XlsxWorkbook book = ReadXlsxWorkbook(zip);
  const XlsxSheetEntry* entry = book.Find(SheetName);
  if (!entry) return false;
  const auto strings = ReadSharedStrings(zip, book.SharedStringsPart);
  const auto dateStyles = ReadDateStyles(zip, book.StylesPart);
  // A 1904-based workbook counts its days four years and a day later.
  CellReader reader(entry->Part, strings, dateStyles, book.Date1904 ? 1462.0 : 0.0, Sheet);
  ReadSheetCells(zip, entry->Part, reader);
  return true;
}
