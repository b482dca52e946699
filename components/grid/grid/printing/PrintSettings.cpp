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

// What the file keeps of a font.
struct FontValues {
  AnsiString Name;
  int Size = 0;
  int Style = 0;
  int Color = 0;
};

// A font's keys, after the prefix that tells which font they are.
template <typename Io>
void FontKeys(Io& io, const AnsiString& Prefix, auto& Font) {
  io.Text(Prefix + "FontName", Font.Name, "Arial");
  io.Int(Prefix + "FontSize", Font.Size, 10);
  io.Int(Prefix + "FontStyle", Font.Style, 0);
  io.Int(Prefix + "FontColor", Font.Color, 0);
}

// The keys of the section in file order, each with its type and the default a missing key
// loads: Save walks them with a SectionWriter, Load with a SectionReader, so each key is
// named once. Settings is const TPrintSettings for saving.
template <typename Io, typename Settings>
void EachKey(Io& io, Settings& S) {
  io.Int("ColumnSpacing", S.ColumnSpacing, 20);
  io.Int("RowSpacing", S.RowSpacing, 20);
  io.Int("TitleSpacing", S.TitleSpacing, 20);
  io.Int("FixedHeight", S.FixedHeight, 0);
  io.Int("FixedWidth", S.FixedWidth, 0);
  io.Switch("Centered", S.Centered, true);
  io.Switch("NoAutoSize", S.NoAutoSize, false);
  io.Switch("UseFixedHeight", S.UseFixedHeight, false);
  io.Switch("UseFixedWidth", S.UseFixedWidth, false);
  io.Switch("RepeatFixedRows", S.RepeatFixedRows, false);
  io.Switch("RepeatFixedCols", S.RepeatFixedCols, false);
  io.Ordinal("Borders", S.Borders, pbCustom);
  io.Ordinal("BorderStyle", S.BorderStyle, psInsideFrame);
  io.Position("Date", S.Date);
  io.Position("PageNr", S.PageNr);
  io.Position("Title", S.Title);
  io.Position("Time", S.Time);
  io.Text("DateFormat", S.DateFormat);
  io.Text("TitleText", S.TitleText);
  io.Int("FooterSize", S.FooterSize, 100);
  io.Int("HeaderSize", S.HeaderSize, 100);
  io.Int("LeftSize", S.LeftSize, 100);
  io.Int("RightSize", S.RightSize, 100);
  io.Ordinal("FitToPage", S.FitToPage, fpCustom);
  io.Font("", *S.GetFont());
  io.Font("Header", *S.GetHeaderFont());
  io.Font("Footer", *S.GetFooterFont());
  io.Text("PageNumSep", S.PageNumSep);
  io.Text("PageSuffix", S.PageSuffix);
  io.Text("PagePrefix", S.PagePrefix);
  io.Ordinal("Orientation", S.Orientation, poLandscape);
  io.Lines("TitleLines", *S.GetTitleLines());
}

class SectionWriter {
 public:
  SectionWriter(TCustomIniFile& Ini, const AnsiString& Section) : ini_(Ini), section_(Section) {}
  void Int(const AnsiString& Key, int Value, int /*Default*/) {
    ini_.WriteInteger(section_, Key, Value);
  }
  void Switch(const AnsiString& Key, bool Value, bool /*Default*/) {
    ini_.WriteString(section_, Key, YesNo(Value));
  }
  void Text(const AnsiString& Key, const AnsiString& Value, const char* /*Default*/ = "") {
    ini_.WriteString(section_, Key, LFToCLF(Value));
  }
  template <typename E>
  void Ordinal(const AnsiString& Key, E Value, E /*Last*/) {
    ini_.WriteInteger(section_, Key, Value);
  }
  void Position(const AnsiString& Key, TPrintPosition Value) {
    ini_.WriteInteger(section_, Key, Value);
  }
  void Font(const AnsiString& Prefix, const TFont& F) {
    const FontValues values{F.GetName(), F.GetSize(), StyleBits(F.GetStyle()),
                            static_cast<int>(F.GetColor())};
    FontKeys(*this, Prefix, values);
  }
  // The lines with breaks between them, none after the last: A and B are "A\nB".
  void Lines(const AnsiString& Key, const TStrings& List) {
    AnsiString lines = List.GetText();
    if (lines.size() >= 2) lines.resize(lines.size() - 2);
    Text(Key, lines);
  }

 private:
  TCustomIniFile& ini_;
  const AnsiString& section_;
};

class SectionReader {
 public:
  SectionReader(const TCustomIniFile& Ini, const AnsiString& Section)
      : ini_(Ini), section_(Section) {}
  void Int(const AnsiString& Key, int& Setting, int Default) const {
    Setting = ini_.ReadInteger(section_, Key, Default);
  }
  // Only "Y" is true.
  void Switch(const AnsiString& Key, bool& Setting, bool Default) const {
    Setting = ini_.ReadString(section_, Key, YesNo(Default)) == "Y";
  }
  void Text(const AnsiString& Key, AnsiString& Setting, const char* Default = "") const {
    Setting = CLFToLF(ini_.ReadString(section_, Key, Default));
  }
  // An ordinal outside 0..Last leaves the setting as it is.
  template <typename E>
  void Ordinal(const AnsiString& Key, E& Setting, E Last) const {
    const int value = ini_.ReadInteger(section_, Key, 0);
    if (value >= 0 && value <= Last) Setting = static_cast<E>(value);
  }
  // A position outside the known ones is none.
  void Position(const AnsiString& Key, TPrintPosition& Setting) const {
    const int value = ini_.ReadInteger(section_, Key, 0);
    Setting = value >= ppTopLeft && value <= ppBottomCenter ? static_cast<TPrintPosition>(value)
                                                            : ppNone;
  }
  // The stored styles are added to the font's own; none is taken away.
  void Font(const AnsiString& Prefix, TFont& F) const {
    FontValues values;
    FontKeys(*this, Prefix, values);
    F.SetName(values.Name);
    F.SetSize(values.Size);
    TFontStyles style = F.GetStyle();
    for (int s = fsBold; s <= fsStrikeOut; ++s)
      if (values.Style & kStyleBits[s]) style << static_cast<TFontStyle>(s);
    F.SetStyle(style);
    F.SetColor(static_cast<TColor>(values.Color));
  }
  void Lines(const AnsiString& Key, TStrings& List) const {
    AnsiString lines;
    Text(Key, lines);
    List.SetText(lines);
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
  SectionWriter writer(Ini, Section);
  EachKey(writer, *this);
}

void TPrintSettings::Load(const TCustomIniFile& Ini, const AnsiString& Section) {
  const SectionReader reader(Ini, Section);
  EachKey(reader, *this);
}
