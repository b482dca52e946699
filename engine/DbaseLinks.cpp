// Link files and the lookups they describe: one lookup, or two chained ones.
#include <cstdio>

#include "engine/DbaseLookup.h"
#include "engine/DbaseValues.h"
#include "engine/dbase.h"
#include "platform/controls/application.h"
#include "platform/core/c_handle.h"
#include "platform/core/files.h"

namespace {

struct Lookup {
  AnsiString tabelle;
  int ergebnisfeld = 0;
  int suchfeld = 0;
};

// A link file's entries in their stored order; its first text is not used.
struct Link {
  int modus = 0;
  Lookup a;
  int schluesselfeld = 0;
  Lookup b;
};

void ReadLookup(FILE* datei, Lookup& lookup) {
  lookup.tabelle = dbase_ansilesen(datei);
  lookup.ergebnisfeld = dbase_intlesen(datei);
  lookup.suchfeld = dbase_intlesen(datei);
}

bool ReadLink(int tag, Link& link) {
  FilePtr file(std::fopen(NativePath(IntToStr(tag) + ".vkn").c_str(), "rb"));
  if (!file) return false;
  FILE* datei = file.get();
  dbase_ansilesen(datei);
  link.modus = dbase_intlesen(datei);
  ReadLookup(datei, link.a);
  link.schluesselfeld = dbase_intlesen(datei);
  ReadLookup(datei, link.b);
  return true;
}

AnsiString LookUp(const Lookup& l, const AnsiString& schluessel) {
  return dbase_verknuepfung(l.tabelle, l.ergebnisfeld, l.suchfeld, schluessel);
}

}  // namespace

AnsiString dbase_verknuepfung(const AnsiString& tabelle, int ergebnisfeld, int suchfeld,
                              const AnsiString& schluessel) {
  AnsiString wert;
  if (schluessel.empty()) return wert;
  dbase2_open(tabelle);
  for (long r = 0; r < static_cast<long>(dbase2_anzahldatensaetze); ++r) {
    const int result = dbase2_suchen(suchfeld, "=", schluessel, r);
    // The file ends before the header's count: no record further on can be read either.
    if (result == -1) break;
    bool found = result == 1;
    if (found) wert = dbase2_trAnsi(ergebnisfeld);
    Application->ProcessMessages();
    if (found) break;
  }
  dbase2_close();
  return wert;
}

AnsiString DbaseColumnValue(int tag) {
  if (tag < kDbaseFirstLinkTag) return dbase_trAnsi(tag);
  Link link;
  if (!ReadLink(tag, link)) return "";
  AnsiString first = LookUp(link.a, dbase_trAnsi(link.schluesselfeld));
  return link.modus == 1 ? first : LookUp(link.b, first);
}
