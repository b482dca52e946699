// The main table instance's functions, as the windows call them.
#include <algorithm>
#include <chrono>
#include <thread>

#include "engine/dbase.h"
#include "platform/controls/application.h"
#include "platform/controls/dialogs.h"

int dbase_open(const AnsiString& name) {
  if (name.empty()) ShowMessage("Fehler: dbase_open: Dateiname fehlt");
  return DbaseOpen(dbase_tabelle, name);
}

void dbase_close() { DbaseClose(dbase_tabelle); }
int dbase_dbtopen(const AnsiString& name) { return DbaseMemoOpen(dbase_tabelle, name); }
void dbase_dbtclose() { DbaseMemoClose(dbase_tabelle); }

int dbase_lesen(long n) { return DbaseRead(dbase_tabelle, n); }
int dbase_lesenmulti(long n) { return DbaseReadWindowed(dbase_tabelle, n); }
int dbase_schreiben(long n) { return DbaseWrite(dbase_tabelle, n); }
int dbase_neuschreiben(long& n) { return DbaseWriteNew(dbase_tabelle, n); }
int dbase_loeschen(long n) { return DbaseDelete(dbase_tabelle, n); }
long dbase_freiersatz() { return DbaseFreeSlot(dbase_tabelle); }
void dbase_anzahlholen() { DbaseReloadCount(dbase_tabelle); }

AnsiString dbase_feldnameholen(int n) {
  if (n < 0 || n >= dbase_anzahldatenfelder) {
    ShowMessage("Fehler: dbase_feldnameholen - Feldnummer>anzahldatenfelder oder <0 ");
    return "";
  }
  return dbase_feldname[n].data();
}

int dbase_tr(int n) { return DbaseFieldRead(dbase_tabelle, n, dbm_zeichensatz); }

AnsiString dbase_trAnsi(int n) {
  dbase_tr(n);
  return dbase_text;
}

int dbase_feldschreiben(int n) { return DbaseFieldWrite(dbase_tabelle, n, dbm_zeichensatz); }

int dbase_feldschreibenAnsi(const AnsiString& text, int n) {
  dbase_ansinachchar(dbase_text, text);
  return dbase_feldschreiben(n);
}

void dbase_warten(int millisekunden) { DbaseWaitWorking(millisekunden, {}); }

void DbaseWaitWorking(int millisekunden, const std::function<bool()>& step) {
  using Clock = std::chrono::steady_clock;
  const Clock::time_point end = Clock::now() + std::chrono::milliseconds(millisekunden);
  bool working = static_cast<bool>(step);
  do {
    Application->ProcessMessages();
    if (working)
      working = step();
    else
      // Not past the end: the pause is to last what it says.
      std::this_thread::sleep_until(std::min(end, Clock::now() + std::chrono::milliseconds(1)));
  } while (Clock::now() < end);
}
