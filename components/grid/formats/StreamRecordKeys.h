// A record of the binary grid stream described once, by its class name and a list of its
// keys (name, type and setting) that one walker writes and another reads:
//
//   struct Record {
//     static constexpr std::string_view kClass = "TThing";
//     template <typename Io, typename Object> static void Keys(Io& io, Object& Of) {
//       io.Int("Count", Of.Count);
//       io.Choice("Kind", Of.Kind, kLastKind);
//     }
//   };
//   RecordKeys::Write<Record>(Stream, Thing);  RecordKeys::Read<Record>(Stream, Thing);
//
// A setting behind a getter and a setter is given as PropertyOf<&T::GetX, &T::SetX>(Of).
#pragma once

#include <cstdint>
#include <string_view>

#include "components/grid/formats/StreamRecord.h"
#include "platform/graphics/font.h"

namespace RecordKeys {

constexpr uint64_t kFontStyleBits = TFontStyles{fsBold, fsItalic, fsUnderline, fsStrikeOut}.Bits();

// A setting behind a getter and a setter, as a key of a record sees it.
template <auto Getter, auto Setter, typename Object>
struct Property {
  Object& Of;
  auto Get() const { return (Of.*Getter)(); }
  template <typename Value>
  void Set(Value V) const {
    (Of.*Setter)(static_cast<decltype(Get())>(V));
  }
};

template <auto Getter, auto Setter, typename Object>
Property<Getter, Setter, Object> PropertyOf(Object& Of) {
  return {Of};
}

template <typename T>
constexpr bool kIsProperty = false;
template <auto Getter, auto Setter, typename Object>
constexpr bool kIsProperty<Property<Getter, Setter, Object>> = true;

// A key's value and its setting, whether a plain member or a property.
template <typename T>
auto ValueOf(const T& Setting) {
  if constexpr (kIsProperty<T>) return Setting.Get();
  else return Setting;
}
template <typename T, typename Value>
void Assign(T& Setting, Value V) {
  if constexpr (kIsProperty<T>) Setting.Set(V);
  else Setting = static_cast<T>(V);
}

// The two walkers of a record's keys: one writes each value, the other reads it into its
// setting. Integers carry colours and short integers too; a choice beyond the enumeration's
// Last is refused.
class Writer {
 public:
  Writer(TStream& Stream, std::string_view ClassName) : out_(Stream, ClassName) {}
  void Int(std::string_view Name, const auto& Value) {
    out_.Int(Name, static_cast<int32_t>(ValueOf(Value)));
  }
  template <typename Enum>
  void Choice(std::string_view Name, const auto& Value, Enum /*Last*/) {
    Int(Name, Value);
  }
  void Bool(std::string_view Name, const auto& Value) { out_.Bool(Name, ValueOf(Value)); }
  void Float(std::string_view Name, double Value) { out_.Float(Name, Value); }
  void Text(std::string_view Name, const AnsiString& Value) { out_.Text(Name, Value); }
  void Styles(std::string_view Name, TFontStyles Value) {
    out_.Int(Name, static_cast<int32_t>(Value.Bits()));
  }
  void End() { out_.End(); }

 private:
  TStreamRecordWriter out_;
};

class Reader {
 public:
  Reader(TStream& Stream, std::string_view ClassName) : in_(Stream, ClassName) {}
  void Int(std::string_view Name, auto&& Setting) { Assign(Setting, in_.Int(Name)); }
  template <typename Enum>
  void Choice(std::string_view Name, auto&& Setting, Enum Last) {
    const int32_t value = in_.Int(Name);
    if (value < 0 || value > static_cast<int32_t>(Last)) throw EStreamError("Stream read error");
    Assign(Setting, static_cast<Enum>(value));
  }
  void Bool(std::string_view Name, auto&& Setting) { Assign(Setting, in_.Bool(Name)); }
  void Float(std::string_view Name, double& Setting) { Setting = in_.Float(Name); }
  void Text(std::string_view Name, AnsiString& Setting) { Setting = in_.Text(Name); }
  void Styles(std::string_view Name, TFontStyles& Setting) {
    Setting = TFontStyles::FromBits(static_cast<uint32_t>(in_.Int(Name)) & kFontStyleBits);
  }
  void End() { in_.End(); }

 private:
  TStreamRecordReader in_;
};

// One record: its class name, then its Keys walked with the objects given.
template <typename Record, typename... Objects>
void Write(TStream& Stream, const Objects&... Of) {
  Writer out(Stream, Record::kClass);
  Record::Keys(out, Of...);
  out.End();
}

template <typename Record, typename... Objects>
void Read(TStream& Stream, Objects&... Of) {
  Reader in(Stream, Record::kClass);
  Record::Keys(in, Of...);
  in.End();
}

}  // namespace RecordKeys
