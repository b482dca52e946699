// The configuration as a record and as one line of 174 characters:
//   0 "RRP0", 4 printer index (3), 7 scaling (1), 8/16/24/32 margins left, top, right,
//   bottom (8 each), 40 font character set (3), 43 font colour (11), 54 font height (4),
//   58 font name (32, filled with character 127), 90 font pitch (1), 91 font size (4),
//   95 font style ('0' + bold 1, italic 2, underline 4, strike-out 8), 96 copies (5),
//   101 orientation (1), 102 Angle10 (5), 107 rotation (1), 108 title (63, filled with
//   character 127), 171 check value (3): the exclusive-or of the characters before it.
// Numbers are decimal, zero-filled to their width; a negative one has "-" in place of its
// first digit.
#include <optional>
#include <utility>

#include "components/print/XPrinter.h"

namespace {

constexpr size_t kConfigLength = 174;
constexpr size_t kCheckPosition = 171;
constexpr size_t kNameWidth = 32;
constexpr size_t kTitleWidth = 63;
constexpr char kFill = 127;

// The number in its width, or nothing when its digits do not fit.
std::optional<AnsiString> FormatNumber(int64_t value, size_t width) {
  AnsiString digits = std::to_string(value < 0 ? -value : value);
  size_t room = value < 0 ? width - 1 : width;
  if (digits.size() > room) return std::nullopt;
  return AnsiString(value < 0 ? "-" : "") + AnsiString(room - digits.size(), '0') + digits;
}

// A sign and decimal digits, nothing else.
std::optional<int64_t> ParseNumber(const AnsiString& text) {
  size_t i = !text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0;
  if (i == text.size()) return std::nullopt;
  int64_t value = 0;
  for (size_t k = i; k < text.size(); ++k) {
    if (text[k] < '0' || text[k] > '9') return std::nullopt;
    value = value * 10 + (text[k] - '0');
  }
  return text[0] == '-' ? -value : value;
}

int CheckValue(const AnsiString& text) {
  unsigned char check = 0;
  for (size_t i = 0; i < kCheckPosition && i < text.size(); ++i)
    check ^= static_cast<unsigned char>(text[i]);
  return check;
}

AnsiString Padded(const AnsiString& text, size_t width) {
  AnsiString cut = text.substr(0, width);
  return cut + AnsiString(width - cut.size(), kFill);
}

// A name ends at the first fill character: codes above it are letters (umlauts and more).
AnsiString Unpadded(const AnsiString& text, size_t position, size_t width) {
  AnsiString field = text.substr(position, width);
  return field.substr(0, field.find(kFill));
}

class ConfigWriter {
 public:
  void Text(const AnsiString& text) { out_ += text; }
  void Number(int64_t value, size_t width) {
    std::optional<AnsiString> field = FormatNumber(value, width);
    if (field) out_ += *field;
    else fits_ = false;
  }
  // Empty when a number was too wide for its field: cut, it would read back as another.
  AnsiString Result() {
    if (!fits_) return "";
    Number(CheckValue(out_), 3);
    return out_;
  }

 private:
  AnsiString out_;
  bool fits_ = true;
};

// Reads the numeric fields in order; a field that is no number in its range fails it and
// every one after it.
class ConfigReader {
 public:
  explicit ConfigReader(const AnsiString& text) : text_(text) {}
  template <typename T>
  ConfigReader& Number(size_t position, size_t width, T& out, int64_t min, int64_t max) {
    if (!ok_) return *this;
    std::optional<int64_t> value = ParseNumber(text_.substr(position, width));
    ok_ = value && *value >= min && *value <= max;
    if (ok_) out = static_cast<T>(*value);
    return *this;
  }
  bool Ok() const { return ok_; }

 private:
  const AnsiString& text_;
  bool ok_ = true;
};

// The style character's bits.
constexpr std::pair<TFontStyle, int> kStyleBits[] = {
    {fsBold, 1}, {fsItalic, 2}, {fsUnderline, 4}, {fsStrikeOut, 8}};

int StyleBits(TFontStyles style) {
  int bits = 0;
  for (auto [s, bit] : kStyleBits)
    if (style.Contains(s)) bits |= bit;
  return bits;
}

TFontStyles StyleOf(int bits) {
  TFontStyles style;
  for (auto [s, bit] : kStyleBits)
    if (bits & bit) style << s;
  return style;
}

constexpr int64_t kIntMin = INT32_MIN;
constexpr int64_t kIntMax = INT32_MAX;

}  // namespace

TXPrintConfig TXPrint::GetConfig() const {
  const TFont* font = Canvas->Font;
  TXPrintConfig c;
  c.Valid = true;
  c.PrinterIndex = GetCurrentPrinter();
  c.Scaling = scaling_;
  c.MarginLeft = MarginLeft;
  c.MarginTop = MarginTop;
  c.MarginRight = MarginRight;
  c.MarginBottom = MarginBottom;
  c.FontCharset = font->GetCharset();
  c.FontColor = font->GetColor();
  c.FontHeight = font->GetHeight();
  c.FontName = font->GetName().substr(0, kNameWidth);
  c.FontPitch = font->GetPitch();
  c.FontSize = font->GetSize();
  c.FontStyle = font->GetStyle();
  c.Copies = GetCopies();
  c.Orientation = GetOrientation();
  c.Angle10 = angle10_;
  c.RotationActive = rotationActive_;
  c.Title = GetTitle().substr(0, kTitleWidth);
  return c;
}

void TXPrint::SetConfig(const TXPrintConfig& c) {
  if (!c.Valid || printing_ || GetPrinting()) return;
  SetCurrentPrinter(c.PrinterIndex);
  SetScaling(c.Scaling);
  MarginLeft = c.MarginLeft;
  MarginTop = c.MarginTop;
  MarginRight = c.MarginRight;
  MarginBottom = c.MarginBottom;
  TFont* font = Canvas->Font;
  font->SetCharset(c.FontCharset);
  font->SetColor(c.FontColor);
  font->SetHeight(c.FontHeight);
  font->SetName(c.FontName);
  font->SetPitch(c.FontPitch);
  font->SetSize(c.FontSize);
  font->SetStyle(c.FontStyle);
  SetCopies(c.Copies);
  SetOrientation(c.Orientation);
  SetAngle10(c.Angle10);
  SetTextRotation(c.RotationActive);
  SetTitle(c.Title);
}

AnsiString TXPrint::ConfigToStr(const TXPrintConfig& c) {
  if (!c.Valid) return "";
  ConfigWriter w;
  w.Text("RRP0");
  w.Number(c.PrinterIndex, 3);
  w.Number(c.Scaling, 1);
  w.Number(c.MarginLeft, 8);
  w.Number(c.MarginTop, 8);
  w.Number(c.MarginRight, 8);
  w.Number(c.MarginBottom, 8);
  w.Number(c.FontCharset, 3);
  w.Number(static_cast<int32_t>(c.FontColor), 11);
  w.Number(c.FontHeight, 4);
  w.Text(Padded(c.FontName, kNameWidth));
  w.Number(c.FontPitch, 1);
  w.Number(c.FontSize, 4);
  w.Text(AnsiString(1, static_cast<char>('0' + StyleBits(c.FontStyle))));
  w.Number(c.Copies, 5);
  w.Number(c.Orientation, 1);
  w.Number(c.Angle10, 5);
  w.Number(c.RotationActive ? 1 : 0, 1);
  w.Text(Padded(c.Title, kTitleWidth));
  return w.Result();
}

// Starts from the current configuration; the record is valid exactly when the text has its
// length, header and check value and every number reads within its range.
TXPrintConfig TXPrint::StrToConfig(const AnsiString& text) const {
  TXPrintConfig c = GetConfig();
  c.Valid = false;
  if (text.size() != kConfigLength || text.compare(0, 4, "RRP0") != 0) return c;
  std::optional<int64_t> check = ParseNumber(text.substr(kCheckPosition, 3));
  if (!check || *check != CheckValue(text)) return c;

  int32_t color = 0;
  int rotation = 0;
  ConfigReader r(text);
  r.Number(4, 3, c.PrinterIndex, -99, 999)
      .Number(7, 1, c.Scaling, pscDot, pscMetric100)
      .Number(8, 8, c.MarginLeft, kIntMin, kIntMax)
      .Number(16, 8, c.MarginTop, kIntMin, kIntMax)
      .Number(24, 8, c.MarginRight, kIntMin, kIntMax)
      .Number(32, 8, c.MarginBottom, kIntMin, kIntMax)
      .Number(40, 3, c.FontCharset, 0, 255)
      .Number(43, 11, color, kIntMin, kIntMax);
  if (r.Ok()) c.FontColor = static_cast<TColor>(color);
  r.Number(54, 4, c.FontHeight, kIntMin, kIntMax);
  if (r.Ok()) c.FontName = Unpadded(text, 58, kNameWidth);
  r.Number(90, 1, c.FontPitch, fpDefault, fpFixed).Number(91, 4, c.FontSize, kIntMin, kIntMax);
  if (r.Ok()) c.FontStyle = StyleOf(text[95] & 0x0F);
  r.Number(96, 5, c.Copies, kIntMin, kIntMax)
      .Number(101, 1, c.Orientation, xpoPortrait, xpoLandscape)
      .Number(102, 5, c.Angle10, kIntMin, kIntMax)
      .Number(107, 1, rotation, kIntMin, kIntMax);
  if (!r.Ok()) return c;
  c.RotationActive = rotation > 0;
  c.Title = Unpadded(text, 108, kTitleWidth);
  c.Valid = true;
  return c;
}
