#include "components/grid/html/HTMLHilight.h"

#include <string_view>
#include <utility>
#include <vector>

namespace {

// Where each visible character stands in the marked-up text.
std::vector<std::size_t> VisiblePlaces(const AnsiString& Text) {
  std::vector<std::size_t> places;
  std::size_t i = 0;
  while (i < Text.size()) {
    if (Text[i] == '<') {
      const std::size_t close = Text.find('>', i);
      if (close != std::string::npos) {
        i = close + 1;
        continue;
      }
      for (; i < Text.size(); ++i) places.push_back(i);  // never closed: text
      break;
    }
    places.push_back(i++);
  }
  return places;
}

// From is given upper-cased.
AnsiString ReplaceNoCase(const AnsiString& Text, std::string_view From, std::string_view To) {
  const AnsiString upper = AnsiUpperCase(Text);
  AnsiString out;
  std::size_t i = 0;
  while (i < Text.size()) {
    if (std::string_view(upper).substr(i, From.size()) == From) {
      out += To;
      i += From.size();
    } else {
      out += Text[i++];
    }
  }
  return out;
}

}  // namespace

AnsiString HiLight(const AnsiString& Text, const AnsiString& Find, const AnsiString& Tag,
                   bool CaseSensitive) {
  if (Find.empty()) return Text;
  const std::vector<std::size_t> places = VisiblePlaces(Text);
  AnsiString visible;
  for (std::size_t place : places) visible += Text[place];
  if (!CaseSensitive) visible = AnsiUpperCase(visible);
  const AnsiString find = CaseSensitive ? Find : AnsiUpperCase(Find);
  // The place in Text of a position in the visible text: right after the visible character
  // before it.
  auto markup = [&places](std::size_t position) {
    return position == 0 ? std::size_t{0} : places[position - 1] + 1;
  };
  std::vector<std::pair<std::size_t, AnsiString>> inserts;
  for (std::size_t at = visible.find(find); at != std::string::npos;
       at = visible.find(find, at + find.size())) {
    inserts.emplace_back(markup(at), "<" + Tag + ">");
    inserts.emplace_back(markup(at + find.size()), "</" + Tag + ">");
  }
  AnsiString out;
  std::size_t copied = 0;
  for (const auto& [place, tag] : inserts) {
    out.append(Text, copied, place - copied);
    out += tag;
    copied = place;
  }
  return out.append(Text, copied);
}

AnsiString UnHiLight(const AnsiString& Text, const AnsiString& Tag) {
  const AnsiString tag = AnsiUpperCase(Tag);
  return ReplaceNoCase(ReplaceNoCase(Text, "<" + tag + ">", ""), "</" + tag + ">", "");
}
