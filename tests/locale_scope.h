// Test support: sets the locale's separators and date format for the life of the object,
// and writes texts given with German separators in the current locale's.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "platform/core/text.h"

struct LocaleSettings {
  const char* name;
  char decimal;
  char thousand;
  char date;
  const char* shortDate;
};

inline constexpr LocaleSettings kGerman{"German", ',', '.', '.', "dd.MM.yyyy"};
inline constexpr LocaleSettings kEnglish{"English", '.', ',', '/', "M/d/yyyy"};

class LocaleScope {
 public:
  explicit LocaleScope(const LocaleSettings& s)
      : decimal_(DecimalSeparator), thousand_(ThousandSeparator), date_(DateSeparator),
        shortDate_(ShortDateFormat) {
    DecimalSeparator = s.decimal;
    ThousandSeparator = s.thousand;
    DateSeparator = s.date;
    ShortDateFormat = s.shortDate;
  }
  ~LocaleScope() {
    DecimalSeparator = decimal_;
    ThousandSeparator = thousand_;
    DateSeparator = date_;
    ShortDateFormat = shortDate_;
  }
  LocaleScope(const LocaleScope&) = delete;
  LocaleScope& operator=(const LocaleScope&) = delete;

 private:
  char decimal_, thousand_, date_;
  AnsiString shortDate_;
};

// "1.234,5" in the German form becomes "1,234.5" while the English separators are set.
inline AnsiString Localised(AnsiString german) {
  if (DecimalSeparator == ',') return german;
  for (char& c : german) {
    if (c == ',') c = DecimalSeparator;
    else if (c == '.') c = ThousandSeparator;
  }
  return german;
}

inline std::string LocaleName(const testing::TestParamInfo<LocaleSettings>& info) {
  return info.param.name;
}
