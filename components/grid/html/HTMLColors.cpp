#include "components/grid/html/HTMLColors.h"

#include <array>
#include <string_view>

namespace {

struct NamedColor {
  std::string_view Name;
  uint32_t Value;
};

// The plain colours are tried before the system colours, so "clblack" (0) never falls
// through to them.
constexpr std::array<NamedColor, 16> kPlainColors{{
    {"clred", 0x0000FF}, {"clblack", 0x000000}, {"clblue", 0xFF0000},
    {"clgreen", 0x008000}, {"claqua", 0xFFFF00}, {"clyellow", 0x00FFFF},
    {"clfuchsia", 0xFF00FF}, {"clwhite", 0xFFFFFF}, {"cllime", 0x00FF00},
    {"clsilver", 0xC0C0C0}, {"clgray", 0x808080}, {"clolive", 0x008080},
    {"clnavy", 0x800000}, {"clpurple", 0x800080}, {"clteal", 0x808000},
    {"clmaroon", 0x000080},
}};

constexpr std::array<NamedColor, 24> kSystemColors{{
    {"clbackground", 0x80000001}, {"clactivecaption", 0x80000002},
    {"clinactivecaption", 0x80000003}, {"clmenu", 0x80000004},
    {"clwindow", 0x80000005}, {"clwindowframe", 0x80000006},
    {"clmenutext", 0x80000007}, {"clwindowtext", 0x80000008},
    {"clcaptiontext", 0x80000009}, {"clactiveborder", 0x8000000A},
    {"clinactiveborder", 0x8000000B}, {"clappworkspace", 0x8000000C},
    {"clhighlight", 0x8000000D}, {"clhighlighttext", 0x8000000E},
    {"clbtnface", 0x8000000F}, {"clbtnshadow", 0x80000010},
    {"clgraytext", 0x80000011}, {"clbtntext", 0x80000012},
    {"clinactivecaptiontext", 0x80000013}, {"clbtnhighlight", 0x80000014},
    // The dark 3D shadow has always answered as the grey text colour.
    {"cl3ddkshadow", 0x80000011}, {"cl3dlight", 0x80000016},
    {"clinfotext", 0x80000017}, {"clinfobk", 0x80000018},
}};

template <std::size_t N>
TColor Lookup(const std::array<NamedColor, N>& table, const AnsiString& name) {
  for (const NamedColor& entry : table)
    if (entry.Name == name) return static_cast<TColor>(entry.Value);
  return 0;
}

// A hex digit as the colour values have always read it: only 0-9 and A-F mean themselves.
int HexDigit(char c) { return c < 'A' ? c - '0' : c - 55; }

int HexPairToByte(const AnsiString& digits, std::size_t at) {
  const auto digit = [&](std::size_t i) { return i < digits.size() ? HexDigit(digits[i]) : 0; };
  return (digit(at) * 16 + digit(at + 1)) & 0xFF;
}

}  // namespace

TColor HTMLHexColor(const AnsiString& Value) {
  const AnsiString digits = Value.empty() || Value[0] != '#' ? Value : Value.substr(1);
  return static_cast<TColor>(HexPairToByte(digits, 0) | HexPairToByte(digits, 2) << 8 |
                             HexPairToByte(digits, 4) << 16);
}

TColor NamedColorToColor(const AnsiString& Name) {
  const AnsiString name = LowerCase(Name);
  const TColor plain = Lookup(kPlainColors, name);
  return plain != 0 ? plain : Lookup(kSystemColors, name);
}

TColor HTMLAttrColor(const AnsiString& Value) {
  if (Value.empty()) return clNone;
  return Value[0] == '#' ? HTMLHexColor(Value) : NamedColorToColor(Value);
}
