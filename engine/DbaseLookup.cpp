// The second table instance's functions: the main instance's logic over dbase_tabelle2.
#include "engine/DbaseLookup.h"

#include "engine/DbaseText.h"

int dbase2_open(const AnsiString& name) { return DbaseOpen(dbase_tabelle2, name); }
void dbase2_close() { DbaseClose(dbase_tabelle2); }
int dbase2_dbtopen(const AnsiString& name) { return DbaseMemoOpen(dbase_tabelle2, name); }
void dbase2_dbtclose() { DbaseMemoClose(dbase_tabelle2); }

int dbase2_tr(int n) { return DbaseFieldRead(dbase_tabelle2, n, 0); }

AnsiString dbase2_trAnsi(int n) {
  dbase2_tr(n);
  return dbase_text;
}

int dbase2_feldvergleich(int n, const AnsiString& text) {
  return DbaseFieldCompare(dbase_tabelle2, n, text, 0, 1);
}

int dbase2_suchen(int n, const AnsiString& op, const AnsiString& schluessel, long r) {
  if (DbaseRead(dbase_tabelle2, r) != 1) return -1;
  char sign = op.empty() ? '\0' : op[0];
  return DbaseOperatorHolds(sign, dbase2_feldvergleich(n, schluessel)) ? 1 : -2;
}
