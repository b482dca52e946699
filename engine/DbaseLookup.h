// Linked lookups: a list column whose tag is 1000 or more shows a value looked up in another
// table, as the link file "<tag>.vkn" in the working folder describes. The lookups open that
// table as the engine's second instance, dbase_tabelle2; the dbase2_ globals name its members
// as the dbase_ globals name the main instance's. It has no read window, converts no code
// page, compares case-sensitively and reads records as they are stored (see DbaseTable).
#pragma once

#include "engine/DbaseTable.h"
#include "platform/core/text.h"

#define DBASE_LOOKUP_ALIAS(member) DBASE_TABLE_ALIAS(dbase2_, dbase_tabelle2, member)
DBASE_TABLE_MEMBERS(DBASE_LOOKUP_ALIAS)
#undef DBASE_LOOKUP_ALIAS

int dbase2_open(const AnsiString& name);
void dbase2_close();
int dbase2_dbtopen(const AnsiString& name);
void dbase2_dbtclose();
int dbase2_tr(int n);
AnsiString dbase2_trAnsi(int n);
int dbase2_feldvergleich(int n, const AnsiString& text);
// Reads record r and compares field n with the key: 1 when the operator holds, -2 when it
// does not, -1 when the record could not be read.
int dbase2_suchen(int n, const AnsiString& op, const AnsiString& schluessel, long r);

// List columns with this tag or above show linked values.
inline constexpr int kDbaseFirstLinkTag = 1000;

// The shown text of field `ergebnisfeld` of the first record of `tabelle` whose field
// `suchfeld` equals the key (wildcards allowed); empty when none or the key is empty.
AnsiString dbase_verknuepfung(const AnsiString& tabelle, int ergebnisfeld, int suchfeld,
                              const AnsiString& schluessel);
// What a list column with this tag shows for the main table's current record: the field's
// shown text below 1000, else the value its link file looks up (empty without the file).
// dbase_spaltenwert reads the tag from the list grid's column and asks this.
AnsiString DbaseColumnValue(int tag);
