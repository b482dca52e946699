// TExtStringGrid: the cells as an HTML table, with the cells' colours, fonts, alignment and
// merged blocks, between the user's header and footer files.
#include <utility>

#include "components/grid/grid/ExtGrid.h"
#include "components/grid/grid/ExtGridError.h"
#include "components/grid/core/GridUtil.h"
#include "components/grid/formats/MarkupText.h"
#include "components/grid/formats/TextLines.h"

namespace {

constexpr const char* kCannotCreate = "Cannot Create file ";

AnsiString Attribute(const char* Name, const AnsiString& Value) {
  return AnsiString(" ") + Name + "=\"" + Value + "\"";
}

// System colours name no RGB value of their own: they are resolved first.
AnsiString ColorDigits(TColor Color) { return "#" + HTMLColor(ColorToRGB(Color)); }

AnsiString AlignAttribute(TAlignment Alignment) {
  if (Alignment == taRightJustify) return Attribute("align", "right");
  if (Alignment == taCenter) return Attribute("align", "center");
  return {};
}

// Bold, italic and underline open in this order and close in the reverse one.
constexpr std::pair<TFontStyle, const char*> kStyleTags[] = {
    {fsBold, "b"}, {fsItalic, "i"}, {fsUnderline, "u"}};

AnsiString StyleOpen(TFontStyles Style) {
  AnsiString tags;
  for (const auto& [style, tag] : kStyleTags)
    if (Style.Contains(style)) tags += AnsiString("<") + tag + ">";
  return tags;
}

AnsiString StyleClose(TFontStyles Style) {
  AnsiString tags;
  for (const auto& [style, tag] : kStyleTags)
    if (Style.Contains(style)) tags = AnsiString("</") + tag + ">" + tags;
  return tags;
}

// The lines of a user's file; none when it is not set or cannot be read.
void CopyLines(const AnsiString& FileName, std::string& Out) {
  std::vector<AnsiString> lines;
  if (FileName.empty() || !ReadTextLines(FileName, lines)) return;
  for (const AnsiString& line : lines) AppendTextLine(Out, line);
}

}  // namespace

void TExtStringGrid::OutputToHTML(const AnsiString& FileName, bool Append) {
  const THTMLSettings& settings = HTMLSettings;
  // XHTML is XML: attributes have values in quotes and empty elements are closed.
  const bool xml = settings.XHTML;
  const AnsiString nowrap = WordWrap ? "" : xml ? Attribute("nowrap", "nowrap") : " nowrap";
  const char* lineBreak = xml ? "<br/>" : "<br>";
  const AnsiString emptyCell = lineBreak;
  auto width = [&](int Index) {
    const auto& widths = settings.ColumnWidths;
    if (Index < 0 || Index >= static_cast<int>(widths.size())) return AnsiString();
    const AnsiString value = IntToStr(widths[static_cast<std::size_t>(Index)]);
    return xml ? Attribute("width", value) : " width=" + value;
  };
  // Plain text is escaped so that it shows as typed; a cell of mini-HTML goes as it is.
  auto cellText = [&](int ACol, int ARow) {
    AnsiString text = SaveCell(RemapCol(ACol), ARow);
    if (TextType(text, EnableHTML) != ttHTML) text = XMLEscape(text);
    text = HTMLLineBreaks(text, lineBreak);
    return URLShow ? MakeHRef(text, URLFull) : text;
  };

  std::vector<AnsiString> lines;
  if (xml) {
    lines.push_back("<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
    lines.push_back("<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\"");
    lines.push_back("\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd\">");
    lines.push_back("<html xmlns=\"http://www.w3.org/1999/xhtml\" xml:lang=\"en\" lang=\"en\">");
  } else {
    lines.push_back(
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">");
  }
  if (!settings.PrefixTag.empty()) lines.push_back(settings.PrefixTag);
  lines.push_back("<table border=\"" + IntToStr(settings.BorderSize) + "\" cellspacing=\"" +
                  IntToStr(settings.CellSpacing) + "\" cellpadding=\"" +
                  IntToStr(settings.CellPadding) + "\"" +
                  (settings.TableStyle.empty() ? "" : " " + settings.TableStyle) + " width=\"" +
                  IntToStr(settings.Width) + "%\">");

  const bool headerRow = GetFixedRows() > 0 && SaveFixedCells;
  if (headerRow) {
    lines.push_back("<tr>");
    for (int c = 0; c < GetColCount(); ++c) {
      const AnsiString text = cellText(c, 0);
      lines.push_back("<td" + nowrap + AlignAttribute(GetCellAlignment(RemapCol(c), 0).HAlign) +
                      Attribute("bgcolor", ColorDigits(GetFixedColor())) + width(c) + "><b>" +
                      (text.empty() ? emptyCell : text) + "</b></td>");
    }
    lines.push_back("</tr>");
  }

  const int firstRow = headerRow ? 1 : SaveFixedCells ? 0 : GetFixedRows();
  const int firstCol = SaveFixedCells ? 0 : GetFixedCols();
  TBrush brush;
  TFont font;
  for (int r = firstRow; r < GetRowCount(); ++r) {
    lines.push_back("<tr>");
    for (int c = firstCol; c < GetColCount(); ++c) {
      int baseCol, baseRow;
      if (!IsBaseCellEx(RemapCol(c), r, baseCol, baseRow)) continue;
      const AnsiString text = cellText(c, r);
      const bool fixed = r < GetFixedRows() || c < GetFixedCols();
      TGridDrawState state;
      TAlignment alignment;
      TVAlignment vAlignment;
      bool wrap = false;
      GetVisualProperties(c, r, state, false, false, true, &brush, &font, alignment, vAlignment,
                          wrap);
      // What a cell shows without a look of its own is not written.
      AnsiString bgcolor = fixed ? Attribute("bgcolor", ColorDigits(GetFixedColor())) : "";
      AnsiString fontOpen, fontClose;
      if (settings.SaveColor) {
        if (brush.GetColor() != (fixed ? GetFixedColor() : GetColor()))
          bgcolor = Attribute("bgcolor", ColorDigits(brush.GetColor()));
        const TColor plainFont = (fixed ? GetFixedFont() : GetFont())->GetColor();
        if (font.GetColor() != plainFont) {
          fontOpen = "<font color=\"" + ColorDigits(font.GetColor()) + "\">";
          fontClose = "</font>";
        }
      }
      const TFontStyles style = settings.SaveFonts ? font.GetStyle() : TFontStyles();
      const TPoint span = CellSpan(RemapCol(c), r);
      AnsiString spans;
      if (span.x > 0) spans += Attribute("colspan", IntToStr(span.x + 1));
      if (span.y > 0) spans += Attribute("rowspan", IntToStr(span.y + 1));
      lines.push_back("<td" + spans + nowrap + (text.empty() ? "" : AlignAttribute(alignment)) +
                      bgcolor + (headerRow ? "" : width(c - firstCol)) + ">" + fontOpen +
                      StyleOpen(style) + (text.empty() ? emptyCell : text) + StyleClose(style) +
                      fontClose + "</td>");
    }
    lines.push_back("</tr>");
  }
  lines.push_back("</table>");
  if (!settings.SuffixTag.empty()) lines.push_back(settings.SuffixTag);
  if (settings.XHTML) lines.push_back("</html>");

  std::string out;
  CopyLines(settings.HeaderFile, out);
  for (const AnsiString& line : lines)
    AppendTextLine(out, settings.XHTML ? AnsiToUtf8(line) : line);
  CopyLines(settings.FooterFile, out);
  if (!WriteTextFile(FileName, out, Append)) throw EExtGridError(WriteTextFailure(FileName, kCannotCreate));
}
