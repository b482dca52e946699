// Reading RTF into rich text. Groups keep the character format of their surroundings;
// destinations other than the text and the colour table are passed over; \u characters
// become Windows-1252 (or "?") and their fallback characters are dropped. Any input is read
// to its end without reading outside it: braces that do not match, a \bin longer than the
// rest and numbers too long for an integer only lose text.
#include <algorithm>
#include <array>
#include <string_view>

#include "components/grid/richtext/RichText.h"

namespace {

constexpr std::size_t kMaxDepth = 256;  // deeper groups share the state of this depth
constexpr std::size_t kMaxWord = 32;
constexpr long long kMaxParam = 1000000000;

// Destinations whose content is not text of the document.
constexpr std::array<std::string_view, 26> kSkipped = {
    "fonttbl",      "stylesheet", "info",     "pict",       "object",    "fldinst",
    "header",       "headerl",    "headerr",  "headerf",    "footer",    "footerl",
    "footerr",      "footerf",    "footnote", "annotation", "listtable", "listoverridetable",
    "revtbl",       "rsidtbl",    "filetbl",  "xmlnstbl",   "themedata", "colorschememapping",
    "latentstyles", "datastore"};

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// A character of the Basic Multilingual Plane (a negative \u counts from 65536) in
// Windows-1252; "?" when it has none there.
char AnsiOf(long long codePoint) {
  if (codePoint < 0) codePoint += 65536;
  const int byte =
      codePoint >= 0 && codePoint <= 0xFFFF ? UnicodeToAnsi(static_cast<char32_t>(codePoint)) : -1;
  return byte < 0 ? '?' : static_cast<char>(byte);
}

// Control words that stand for one character.
bool SymbolOf(std::string_view word, char& c) {
  static constexpr std::array<std::pair<std::string_view, char>, 8> kSymbols = {{
      {"tab", '\t'},
      {"emdash", '\x97'},
      {"endash", '\x96'},
      {"lquote", '\x91'},
      {"rquote", '\x92'},
      {"ldblquote", '\x93'},
      {"rdblquote", '\x94'},
      {"bullet", '\x95'},
  }};
  for (const auto& [name, symbol] : kSymbols)
    if (name == word) {
      c = symbol;
      return true;
    }
  return false;
}

}  // namespace

class RtfReader {
 public:
  RtfReader(const AnsiString& rtf, TRichText& out) : rtf_(rtf), out_(out) {}

  void Read() {
    out_.Clear();
    while (i_ < rtf_.size() && !ended_) {
      const char c = rtf_[i_++];
      switch (c) {
        case '{': OpenGroup(); break;
        case '}': CloseGroup(); break;
        case '\\': ControlSequence(); break;
        case '\r':
        case '\n': break;
        default: Char(c);
      }
    }
    Flush();
    // The mark that ends the last paragraph starts no new one.
    auto& paragraphs = out_.paragraphs_;
    if (paragraphEnded_ && paragraphs.size() > 1) paragraphs.pop_back();
  }

 private:
  struct State {
    TRichFormat format;
    int color = 0;  // entry of the colour table
    int unicodeSkip = 1;
    bool skip = false;
    bool colorTable = false;
  };
  struct Word {
    std::string_view name;
    bool hasParam = false;
    int param = 0;
    int Or(int fallback) const { return hasParam ? param : fallback; }
  };

  const AnsiString& rtf_;
  TRichText& out_;
  std::size_t i_ = 0;
  bool ended_ = false;
  State state_;
  std::vector<State> groups_;
  std::size_t deeper_ = 0;  // groups beyond kMaxDepth
  std::vector<TColor> colors_;
  int red_ = -1, green_ = -1, blue_ = -1;  // the colour table entry being read
  int fallback_ = 0;                       // characters still to drop after \u
  AnsiString pending_;                     // text read in the current format
  bool paragraphEnded_ = false;

  void OpenGroup() {
    Flush();
    if (groups_.size() < kMaxDepth)
      groups_.push_back(state_);
    else
      ++deeper_;
  }

  void CloseGroup() {
    Flush();
    if (deeper_ > 0) {
      --deeper_;
      return;
    }
    if (groups_.empty()) return;
    state_ = groups_.back();
    groups_.pop_back();
    ended_ = groups_.empty();  // the document's own group has closed
  }

  void Char(char c) {
    if (state_.skip) return;
    if (state_.colorTable) {
      if (c == ';') ColorEntry();
      return;
    }
    if (fallback_ > 0) {
      --fallback_;
      return;
    }
    pending_ += c;
    paragraphEnded_ = false;
  }

  void Flush() {
    if (pending_.empty()) return;
    TRichFormat format = state_.format;
    const auto color = static_cast<std::size_t>(state_.color);
    format.Color = color < colors_.size() ? colors_[color] : clNone;
    out_.AddRun(pending_, format);
    pending_.clear();
  }

  void Paragraph() {
    if (state_.skip || state_.colorTable) return;
    Flush();
    out_.NewParagraph();
    paragraphEnded_ = true;
  }

  void ColorEntry() {
    colors_.push_back(red_ < 0 && green_ < 0 && blue_ < 0
                          ? clNone
                          : RGB(std::max(red_, 0), std::max(green_, 0), std::max(blue_, 0)));
    red_ = green_ = blue_ = -1;
  }

  void ControlSequence() {
    if (i_ >= rtf_.size()) return;
    if (IsLetter(rtf_[i_])) return ControlWord(ReadWord());
    const char c = rtf_[i_++];
    switch (c) {
      case '\\':
      case '{':
      case '}': Char(c); break;
      case '\'': HexChar(); break;
      case '~': Char('\xA0'); break;
      case '_': Char('-'); break;
      case '*': state_.skip = true; break;
      case '\r':
      case '\n': Paragraph(); break;
      default: break;  // optional hyphens and the rest show nothing
    }
  }

  // Two hex digits; an escape cut short shows nothing.
  void HexChar() {
    int value = 0;
    for (int digits = 0; digits < 2; ++digits) {
      const int digit = i_ < rtf_.size() ? HexValue(rtf_[i_]) : -1;
      if (digit < 0) return;
      value = value * 16 + digit;
      ++i_;
    }
    Char(static_cast<char>(value));
  }

  Word ReadWord() {
    const std::size_t start = i_;
    while (i_ < rtf_.size() && IsLetter(rtf_[i_])) ++i_;
    Word word{std::string_view(rtf_).substr(start, std::min(i_ - start, kMaxWord))};
    const bool negative = i_ < rtf_.size() && rtf_[i_] == '-';
    if (negative) ++i_;
    long long value = 0;
    while (i_ < rtf_.size() && IsDigit(rtf_[i_])) {
      word.hasParam = true;
      value = std::min(value * 10 + (rtf_[i_++] - '0'), kMaxParam);
    }
    word.param = static_cast<int>(negative ? -value : value);
    if (i_ < rtf_.size() && rtf_[i_] == ' ') ++i_;
    return word;
  }

  void ControlWord(const Word& word) {
    Flush();
    const std::string_view name = word.name;
    char symbol;
    if (name == "par" || name == "line") return Paragraph();
    if (SymbolOf(name, symbol)) return Char(symbol);
    if (name == "u") return Unicode(word.param);
    if (name == "bin") return SkipBinary(word.param);
    if (std::find(kSkipped.begin(), kSkipped.end(), name) != kSkipped.end()) {
      state_.skip = true;
      return;
    }
    if (name == "colortbl") {
      state_.colorTable = true;
      return;
    }
    if (state_.colorTable) return ColorPart(name, word.param);
    Format(word);
  }

  void Unicode(int codePoint) {
    Char(AnsiOf(codePoint));
    fallback_ = std::max(state_.unicodeSkip, 0);
  }

  void SkipBinary(int count) {
    if (count > 0) i_ += std::min(static_cast<std::size_t>(count), rtf_.size() - i_);
  }

  void ColorPart(std::string_view name, int value) {
    value = std::clamp(value, 0, 255);
    if (name == "red") red_ = value;
    if (name == "green") green_ = value;
    if (name == "blue") blue_ = value;
  }

  void Format(const Word& word) {
    const std::string_view name = word.name;
    TRichFormat& format = state_.format;
    auto style = [&word, &format](TFontStyle s) {
      word.Or(1) != 0 ? format.Style << s : format.Style >> s;
    };
    if (name == "b")
      style(fsBold);
    else if (name == "i")
      style(fsItalic);
    else if (name == "ul")
      style(fsUnderline);
    else if (name == "ulnone")
      format.Style >> fsUnderline;
    else if (name == "strike")
      style(fsStrikeOut);
    else if (name == "fs")
      format.Size = (std::max(word.Or(24), 0) + 1) / 2;
    else if (name == "cf")
      state_.color = std::max(word.param, 0);
    else if (name == "uc")
      state_.unicodeSkip = word.param;
    else if (name == "plain") {
      format = {};
      state_.color = 0;
    }
  }
};

void TRichText::SetRTF(const AnsiString& Rtf) {
  if (Rtf.rfind("{\\rtf", 0) != 0) return SetText(Rtf);
  RtfReader(Rtf, *this).Read();
}
