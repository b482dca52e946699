#include "components/grid/html/HTMLControls.h"

#include "components/grid/html/HTMLAttributes.h"

namespace {

// A double quote would end the attribute, so it travels as a character reference, which the
// renderer's entity pass leaves alone.
AnsiString EncodeValue(const AnsiString& Value) {
  AnsiString out;
  for (char c : Value) {
    if (c == '<')
      out += "&lt;";
    else if (c == '>')
      out += "&gt;";
    else if (c == '"')
      out += "&#34;";
    else
      out += c;
  }
  return out;
}

AnsiString DecodeValue(const AnsiString& Value) {
  return StringReplaceAll(StringReplaceAll(StringReplaceAll(Value, "&lt;", "<"), "&gt;", ">"),
                          "&#34;", "\"");
}

struct ControlPlace {
  std::size_t From = AnsiString::npos;  // the tag's "<"
  std::size_t To = 0;                   // after its ">"
  THTMLControlTag Tag;
};

ControlPlace FindControl(const AnsiString& Text, const AnsiString& Id) {
  const AnsiString upper = UpperCase(Text);
  for (std::size_t at = upper.find("<CONTROL "); at != AnsiString::npos;
       at = upper.find("<CONTROL ", at + 1)) {
    const std::size_t close = Text.find('>', at);
    const std::size_t end = close == AnsiString::npos ? Text.size() : close + 1;
    THTMLControlTag tag = ParseControlTag(Text.substr(at, end - at));
    if (tag.Id == Id) return {at, end, std::move(tag)};
  }
  return {};
}

}  // namespace

THTMLControlTag ParseControlTag(const AnsiString& Tag) {
  const AnsiString upper = UpperCase(Tag);
  return {UpperCase(HTMLAttrValue(Tag, upper, "TYPE=")), HTMLAttrValue(Tag, upper, "WIDTH="),
          HTMLAttrValue(Tag, upper, "ID="), DecodeValue(HTMLAttrValue(Tag, upper, "VALUE="))};
}

bool GetControlValue(const AnsiString& Text, const AnsiString& Id, AnsiString& Value) {
  const ControlPlace place = FindControl(Text, Id);
  if (place.From == AnsiString::npos) return false;
  Value = place.Tag.Value;
  return true;
}

bool SetControlValue(AnsiString& Text, const AnsiString& Id, const AnsiString& NewValue) {
  const ControlPlace place = FindControl(Text, Id);
  if (place.From == AnsiString::npos) return false;
  const AnsiString tag = "<CONTROL ID=\"" + Id + "\" VALUE=\"" + EncodeValue(NewValue) +
                         "\" WIDTH=\"" + place.Tag.Width + "\" TYPE=\"" + place.Tag.Type + "\">";
  Text.replace(place.From, place.To - place.From, tag);
  return true;
}
