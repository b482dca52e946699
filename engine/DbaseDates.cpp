// Dates as day, month and year in three globals and as DD.MM.YYYY in dbase_text.
#include <cstdio>
#include <cstdlib>

#include "engine/DbaseText.h"
#include "platform/core/datetime.h"

void dbase_datumheute() {
  unsigned short year = 0, month = 0, day = 0;
  DecodeDate(Date(), year, month, day);
  dbase_tag = day;
  dbase_monat = month;
  dbase_jahr = year;
  dbase_datumformatieren();
}

void dbase_datumzerlegen(const AnsiString& text) {
  dbase_tag = dbase_monat = dbase_jahr = 0;
  if (text.size() != 10 || std::atol(text.c_str()) < 1) return;
  dbase_tag = static_cast<int>(std::atol(text.substr(0, 2).c_str()));
  dbase_monat = static_cast<int>(std::atol(text.substr(3, 2).c_str()));
  dbase_jahr = static_cast<int>(std::atol(text.substr(6, 4).c_str()));
}

void dbase_datumformatieren() {
  std::snprintf(dbase_text, kDbaseTextSize, "%02d.%02d.%04d", dbase_tag, dbase_monat, dbase_jahr);
}
