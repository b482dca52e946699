// Linked lookups: a list column whose tag is 1000 or more shows a value looked up in another
// table, as the link file "<tag>.vkn" in the working folder describes. The lookups open that
// table as the engine's second instance, dbase_tabelle2; the dbase2_ globals name its members
// as the dbase_ globals name the main instance's. It has no read window, converts no code
// page, compares case-sensitively and reads records as they are stored (see DbaseTable).
#pragma once

#include "engine/DbaseTable.h"
#include "platform/core/text.h"

inline FilePtr& dbase2_datei = dbase_tabelle2.datei;
inline int& dbase2_handle = dbase_tabelle2.handle;
inline AnsiString& dbase2_dateiname = dbase_tabelle2.dateiname;
inline uint8_t& dbase2_version = dbase_tabelle2.version;
inline std::array<uint8_t, 3>& dbase2_datum = dbase_tabelle2.datum;
inline uint32_t& dbase2_anzahldatensaetze = dbase_tabelle2.anzahldatensaetze;
inline uint16_t& dbase2_headerlength = dbase_tabelle2.headerlength;
inline uint16_t& dbase2_lengthofrecord = dbase_tabelle2.lengthofrecord;
inline uint8_t& dbase2_modus = dbase_tabelle2.modus;
inline uint8_t& dbase2_anzahldatenfelder = dbase_tabelle2.anzahldatenfelder;
inline std::vector<std::array<char, 12>>& dbase2_feldname = dbase_tabelle2.feldname;
inline std::vector<char>& dbase2_feldtyp = dbase_tabelle2.feldtyp;
inline std::vector<uint32_t>& dbase2_feldadresse = dbase_tabelle2.feldadresse;
inline std::vector<uint8_t>& dbase2_feldlength = dbase_tabelle2.feldlength;
inline std::vector<uint8_t>& dbase2_feldkommastellen = dbase_tabelle2.feldkommastellen;
inline std::vector<uint16_t>& dbase2_feldoffset = dbase_tabelle2.feldoffset;
inline std::vector<char>& dbase2_record = dbase_tabelle2.record;
inline std::vector<char>& dbase2_record_temp = dbase_tabelle2.record_temp;
inline FilePtr& dbase2_dbtdatei = dbase_tabelle2.dbtdatei;
inline uint32_t& dbase2_dbtnaechster = dbase_tabelle2.dbtnaechster;
inline uint32_t& dbase2_dbtblockgroesse = dbase_tabelle2.dbtblockgroesse;

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
