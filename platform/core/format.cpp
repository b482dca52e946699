#include "platform/core/format.h"

#include <cctype>

#include "platform/core/exception.h"

namespace {

struct Spec {
  bool left = false;
  int width = 0;
  int precision = -1;  // not given
  char type = 0;
};

[[noreturn]] void Invalid(const AnsiString& format) {
  throw EConvertError("Format '" + format + "' invalid or incompatible with argument");
}

int Number(const AnsiString& format, std::size_t& i) {
  int n = 0;
  while (i < format.size() && std::isdigit(static_cast<unsigned char>(format[i])) && n < 1000)
    n = n * 10 + (format[i++] - '0');
  return n;
}

// The specifier after a "%" at i; i moves past it.
Spec ReadSpec(const AnsiString& format, std::size_t& i) {
  Spec spec;
  if (i < format.size() && format[i] == '-') {
    spec.left = true;
    ++i;
  }
  spec.width = Number(format, i);
  if (i < format.size() && format[i] == '.') {
    ++i;
    spec.precision = Number(format, i);
  }
  if (i >= format.size()) Invalid(format);
  spec.type = static_cast<char>(std::tolower(static_cast<unsigned char>(format[i++])));
  return spec;
}

AnsiString Formatted(const Spec& spec, double value, const AnsiString& format) {
  auto given = [&spec](int fallback) { return spec.precision >= 0 ? spec.precision : fallback; };
  switch (spec.type) {
    case 'e': return FloatToStrF(value, ffExponent, given(15), 3);
    case 'f': return FloatToStrF(value, ffFixed, 18, given(2));
    case 'g': return FloatToStrF(value, ffGeneral, given(15), 3);
    case 'n': return FloatToStrF(value, ffNumber, 18, given(2));
    default: Invalid(format);
  }
}

}  // namespace

AnsiString Format(const AnsiString& format, double value) {
  AnsiString out;
  bool used = false;
  std::size_t i = 0;
  while (i < format.size()) {
    const char c = format[i++];
    if (c != '%') {
      out += c;
      continue;
    }
    if (i < format.size() && format[i] == '%') {
      out += '%';
      ++i;
      continue;
    }
    if (used) Invalid(format);
    used = true;
    const Spec spec = ReadSpec(format, i);
    AnsiString text = Formatted(spec, value, format);
    if (static_cast<int>(text.size()) < spec.width) {
      const AnsiString pad(static_cast<std::size_t>(spec.width) - text.size(), ' ');
      text = spec.left ? text + pad : pad + text;
    }
    out += text;
  }
  return out;
}
