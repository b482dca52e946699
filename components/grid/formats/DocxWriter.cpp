#include "components/grid/formats/DocxWriter.h"

#include <algorithm>

#include "components/grid/formats/XmlParts.h"
#include "components/grid/formats/ZipArchive.h"

namespace {

constexpr int kTextWidth = 9072;  // twips between the margins of A4 with 2.5 cm margins

constexpr const char* kContentTypes =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
    "<Default Extension=\"rels\" "
    "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
    "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
    "<Override PartName=\"/word/document.xml\" ContentType=\"application/"
    "vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"
    "</Types>";

constexpr const char* kPackageRels =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
    "relationships/officeDocument\" Target=\"word/document.xml\"/>"
    "</Relationships>";

constexpr const char* kBorders =
    "<w:tblBorders><w:top w:val=\"single\" w:sz=\"4\" w:space=\"0\" w:color=\"auto\"/>"
    "<w:left w:val=\"single\" w:sz=\"4\" w:space=\"0\" w:color=\"auto\"/>"
    "<w:bottom w:val=\"single\" w:sz=\"4\" w:space=\"0\" w:color=\"auto\"/>"
    "<w:right w:val=\"single\" w:sz=\"4\" w:space=\"0\" w:color=\"auto\"/>"
    "<w:insideH w:val=\"single\" w:sz=\"4\" w:space=\"0\" w:color=\"auto\"/>"
    "<w:insideV w:val=\"single\" w:sz=\"4\" w:space=\"0\" w:color=\"auto\"/></w:tblBorders>";

// The runs of a text: its lines joined by line breaks; carriage returns are dropped.
std::string Runs(const AnsiString& Text) {
  std::string runs = "<w:r>";
  std::string line;
  auto flush = [&] {
    runs += "<w:t xml:space=\"preserve\">" + XmlText(line) + "</w:t>";
    line.clear();
  };
  for (char ch : Text) {
    if (ch == '\r') continue;
    if (ch == '\n') {
      flush();
      runs += "<w:br/>";
    } else {
      line += ch;
    }
  }
  flush();
  return runs + "</w:r>";
}

std::string Paragraph(const TDocCell& Cell) {
  static constexpr const char* jc[] = {"", "<w:pPr><w:jc w:val=\"center\"/></w:pPr>",
                                       "<w:pPr><w:jc w:val=\"right\"/></w:pPr>"};
  return std::string("<w:p>") + jc[Cell.Align] + Runs(Cell.Text) + "</w:p>";
}

std::string TableXml(const TDocTable& Table) {
  std::size_t cols = 0;
  for (const auto& row : Table) cols = std::max(cols, row.size());
  if (cols == 0) return "";
  const std::string width = std::to_string(kTextWidth / static_cast<int>(cols));
  std::string xml = std::string("<w:tbl><w:tblPr><w:tblW w:w=\"0\" w:type=\"auto\"/>") + kBorders +
                    "</w:tblPr><w:tblGrid>";
  for (std::size_t c = 0; c < cols; ++c) xml += "<w:gridCol w:w=\"" + width + "\"/>";
  xml += "</w:tblGrid>";
  for (const auto& row : Table) {
    xml += "<w:tr>";
    for (std::size_t c = 0; c < cols; ++c)
      xml += "<w:tc><w:tcPr><w:tcW w:w=\"" + width + "\" w:type=\"dxa\"/></w:tcPr>" +
             Paragraph(c < row.size() ? row[c] : TDocCell{}) + "</w:tc>";
    xml += "</w:tr>";
  }
  return xml + "</w:tbl>";
}

}  // namespace

void WriteDocxTable(const AnsiString& FileName, const TDocTable& Table) {
  // A document must end in a paragraph, also after a table.
  const std::string document =
      "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
      "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
      "<w:body>" +
      TableXml(Table) +
      "<w:p/><w:sectPr><w:pgSz w:w=\"11906\" w:h=\"16838\"/><w:pgMar w:top=\"1417\" "
      "w:right=\"1417\" w:bottom=\"1134\" w:left=\"1417\" w:header=\"708\" w:footer=\"708\" "
      "w:gutter=\"0\"/></w:sectPr></w:body></w:document>";
  ZipArchive zip(FileName, ZipArchive::Create);
  zip.Put("[Content_Types].xml", kContentTypes);
  zip.Put("_rels/.rels", kPackageRels);
  zip.Put("word/document.xml", document);
  zip.Commit();
}
