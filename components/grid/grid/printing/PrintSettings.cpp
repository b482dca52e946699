// TPrintSettings: its defaults and its section of a settings file. Switches are "Y" or "N",
// enumerations their ordinals, font styles a bit sum (1 bold, 2 italic, 4 underline, 8
// strike-out). Texts keep their line breaks as the two characters \n, so a text never
// spills into lines of its own in the file.
#include "components/grid/grid/printing/PrintSettings.h"

#include "components/grid/core/GridUtil.h"
#include "platform/core/inifile.h"

namespace {

constexpr int kStyleBits[] = {1, 2, 4, 8};  // fsBold, fsItalic, fsUnderline, fsStrikeOut

int StyleBits(TFontStyles Style) {
  int bits = 0;
  for (int s = fsBold; s <= fsStrikeOut; ++s)
    if (Style.Contains(static_cast<TFontStyle>(s))) bits |= kStyleBits[s];
  return bits;
}

AnsiString YesNo(bool Value) { return Value ? "Y" : "N"; }

class SectionWriter {
 public:
  SectionWriter(TCustomIniFile& Ini, const AnsiString& Section) : ini_(Ini), section_(Section) {}
  void Int(const char* Key, int Value) { ini_.WriteInteger(section_, Key, Value); }
  void Switch(const char* Key, bool Value) { ini_.WriteString(section_, Key, YesNo(Value)); }
  void Text(const char* Key, const AnsiString& Value) {
    ini_.WriteString(section_, Key, LFToCLF(Value));
  }
  void Font(const AnsiString& Prefix, const TFont& F) {
    Text((Prefix + "FontName").c_str(), F.GetName());
    Int((Prefix + "FontSize").c_str(), F.GetSize());
    Int((Prefix + "FontStyle").c_str(), StyleBits(F.GetStyle()));
    Int((Prefix + "FontColor").c_str(), static_cast<int>(F.GetColor()));
  }

 private:
  TCustomIniFile& ini_;
  const AnsiString& section_;
};

class SectionReader {
 public:
  SectionReader(const TCustomIniFile& Ini, const AnsiString& Section)
      : ini_(Ini), section_(Section) {}
  int Int(const char* Key, int Default) const {
    return ini_.ReadInteger(section_, Key, Default);
  }
  bool Switch(const char* Key, const char* Default) const {
    return ini_.ReadString(section_, Key, Default) == "Y";
  }
  AnsiString Text(const char* Key, const AnsiString& Default) const {
    return CLFToLF(ini_.ReadString(section_, Key, Default));
  }
  // An ordinal outside 0..Last leaves the setting as it is.
  template <typename E>
  void Ordinal(const char* Key, int Last, E& Setting) const {
    const int value = Int(Key, 0);
    if (value >= 0 && value <= Last) Setting = static_cast<E>(value);
  }
  TPrintPosition Position(const char* Key) const {
    const int value = Int(Key, 0);
    return value >= ppTopLeft && value <= ppBottomCenter ? static_cast<TPrintPosition>(value)
                                                         : ppNone;
  }
  // The stored styles are added to the font's own; none is taken away.
  void Font(const AnsiString& Prefix, TFont& F) const {
    F.SetName(Text((Prefix + "FontName").c_str(), "Arial"));
    F.SetSize(Int((Prefix + "FontSize").c_str(), 10));
    const int bits = Int((Prefix + "FontStyle").c_str(), 0);
    TFontStyles style = F.GetStyle();
    for (int s = fsBold; s <= fsStrikeOut; ++s)
      if (bits & kStyleBits[s]) style << static_cast<TFontStyle>(s);
    F.SetStyle(style);
    F.SetColor(static_cast<TColor>(Int((Prefix + "FontColor").c_str(), 0)));
  }

 private:
  const TCustomIniFile& ini_;
  const AnsiString& section_;
};

}  // namespace

TPrintSettings::TPrintSettings()
    : font_(std::make_unique<TFont>()),
      headerFont_(std::make_unique<TFont>()),
      footerFont_(std::make_unique<TFont>()),
      titleLines_(std::make_unique<TStringList>()) {}

TPrintSettings::~TPrintSettings() = default;

void TPrintSettings::Save(TCustomIniFile& Ini, const AnsiString& Section) const {
  SectionWriter w(Ini, Section);
  w.Int("ColumnSpacing", ColumnSpacing);
  w.Int("RowSpacing", RowSpacing);
  w.Int("TitleSpacing", TitleSpacing);
  w.Int("FixedHeight", FixedHeight);
  w.Int("FixedWidth", FixedWidth);
  w.Switch("Centered", Centered);
  w.Switch("NoAutoSize", NoAutoSize);
  w.Switch("UseFixedHeight", UseFixedHeight);
  w.Switch("UseFixedWidth", UseFixedWidth);
  w.Switch("RepeatFixedRows", RepeatFixedRows);
  w.Switch("RepeatFixedCols", RepeatFixedCols);
  w.Int("Borders", Borders);
  w.Int("BorderStyle", BorderStyle);
  w.Int("Date", Date);
  w.Int("PageNr", PageNr);
  w.Int("Title", Title);
  w.Int("Time", Time);
  w.Text("DateFormat", DateFormat);
  w.Text("TitleText", TitleText);
  w.Int("FooterSize", FooterSize);
  w.Int("HeaderSize", HeaderSize);
  w.Int("LeftSize", LeftSize);
  w.Int("RightSize", RightSize);
  w.Int("FitToPage", FitToPage);
  w.Font("", *font_);
  w.Font("Header", *headerFont_);
  w.Font("Footer", *footerFont_);
  w.Text("PageNumSep", PageNumSep);
  w.Text("PageSuffix", PageSuffix);
  w.Text("PagePrefix", PagePrefix);
  w.Int("Orientation", Orientation);
  // The lines with breaks between them, none after the last: A and B are "A\nB".
  AnsiString lines = titleLines_->GetText();
  if (lines.size() >= 2) lines.resize(lines.size() - 2);
  w.Text("TitleLines", lines);
}

void TPrintSettings::Load(const TCustomIniFile& Ini, const AnsiString& Section) {
  const SectionReader r(Ini, Section);
  ColumnSpacing = r.Int("ColumnSpacing", 20);
  RowSpacing = r.Int("RowSpacing", 20);
  TitleSpacing = r.Int("TitleSpacing", 20);
  FixedHeight = r.Int("FixedHeight", 0);
  FixedWidth = r.Int("FixedWidth", 0);
  Centered = r.Switch("Centered", "Y");
  NoAutoSize = r.Switch("NoAutoSize", "N");
  UseFixedHeight = r.Switch("UseFixedHeight", "N");
  UseFixedWidth = r.Switch("UseFixedWidth", "N");
  RepeatFixedRows = r.Switch("RepeatFixedRows", "N");
  RepeatFixedCols = r.Switch("RepeatFixedCols", "N");
  DateFormat = r.Text("DateFormat", "");
  TitleText = r.Text("TitleText", "");
  FooterSize = r.Int("FooterSize", 100);
  HeaderSize = r.Int("HeaderSize", 100);
  LeftSize = r.Int("LeftSize", 100);
  RightSize = r.Int("RightSize", 100);
  PageNumSep = r.Text("PageNumSep", "");
  PageSuffix = r.Text("PageSuffix", "");
  PagePrefix = r.Text("PagePrefix", "");
  r.Ordinal("Borders", pbCustom, Borders);
  r.Ordinal("BorderStyle", psInsideFrame, BorderStyle);
  Date = r.Position("Date");
  PageNr = r.Position("PageNr");
  Title = r.Position("Title");
  Time = r.Position("Time");
  r.Ordinal("FitToPage", fpCustom, FitToPage);
  r.Font("", *font_);
  r.Font("Header", *headerFont_);
  r.Font("Footer", *footerFont_);
  titleLines_->SetText(r.Text("TitleLines", ""));
  r.Ordinal("Orientation", poLandscape, Orientation);
}
