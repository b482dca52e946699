#include "components/grid/formats/XlsxParts.h"

#include <cstdlib>
#include <map>

#include "components/grid/formats/XmlParts.h"
#include "components/grid/formats/ZipArchive.h"

namespace {

std::string Folder(const std::string& Part) {
  const auto slash = Part.rfind('/');
  return slash == std::string::npos ? "" : Part.substr(0, slash + 1);
}

// A relationship target: absolute from the archive's root with "/", else beside the source.
std::string Resolve(const std::string& SourceFolder, const std::string& Target) {
  std::string path = Target.starts_with("/") ? Target.substr(1) : SourceFolder + Target;
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start <= path.size()) {
    const auto slash = std::min(path.find('/', start), path.size());
    const std::string piece = path.substr(start, slash - start);
    if (piece == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!piece.empty() && piece != ".") {
      parts.push_back(piece);
    }
    start = slash + 1;
  }
  std::string joined;
  for (const auto& piece : parts) joined += (joined.empty() ? "" : "/") + piece;
  return joined;
}

std::string RelsOf(const std::string& Part) {
  const auto folder = Folder(Part);
  return folder + "_rels/" + Part.substr(folder.size()) + ".rels";
}

struct Relationship {
  std::string Type, Target;
};

// The relationships of SourcePart by their ids; none when it has no relationships part.
std::map<std::string, Relationship> ReadRelationships(const ZipArchive& Zip,
                                                      const std::string& SourcePart) {
  std::map<std::string, Relationship> rels;
  const std::string part = SourcePart.empty() ? "_rels/.rels" : RelsOf(SourcePart);
  if (!Zip.Has(part)) return rels;
  ParseXmlPart(Zip.Entry(part), part,
               {[&](const std::string& name, const XmlAttributes& a) {
                  if (name != "Relationship" || !a.count("Id") || !a.count("Target")) return;
                  const auto type = a.count("Type") ? a.at("Type") : "";
                  rels[a.at("Id")] = {type.substr(type.rfind('/') + 1),
                                      Resolve(Folder(SourcePart), a.at("Target"))};
                },
                {},
                {}});
  return rels;
}

}  // namespace

std::string XlsxWorkbook::RelsPart() const { return RelsOf(Part); }

const XlsxSheetEntry* XlsxWorkbook::Find(const AnsiString& SheetName) const {
  if (SheetName.empty()) return ActiveTab < Sheets.size() ? &Sheets[ActiveTab] : nullptr;
  for (const auto& sheet : Sheets)
    if (Utf8ToAnsi(sheet.Name) == SheetName) return &sheet;
  return nullptr;
}

XlsxWorkbook ReadXlsxWorkbook(const ZipArchive& Zip) {
  XlsxWorkbook book;
  for (const auto& [id, rel] : ReadRelationships(Zip, ""))
    if (rel.Type == "officeDocument") book.Part = rel.Target;
  ParseXmlPart(Zip.Entry(book.Part), book.Part,
               {[&](const std::string& name, const XmlAttributes& a) {
                  if (name == "sheet" && a.count("name") && a.count("id"))
                    book.Sheets.push_back({a.at("name"), a.at("id"), ""});
                  if (name == "workbookView" && a.count("activeTab"))
                    book.ActiveTab = std::strtoul(a.at("activeTab").c_str(), nullptr, 10);
                  if (name == "workbookPr" && a.count("date1904"))
                    book.Date1904 = a.at("date1904") == "1" || a.at("date1904") == "true";
                },
                {},
                {}});
  const auto rels = ReadRelationships(Zip, book.Part);
  for (auto& sheet : book.Sheets)
    if (const auto it = rels.find(sheet.RelId); it != rels.end()) sheet.Part = it->second.Target;
  for (const auto& [id, rel] : rels) {
    if (rel.Type == "sharedStrings") book.SharedStringsPart = rel.Target;
    if (rel.Type == "styles") book.StylesPart = rel.Target;
  }
  return book;
}
