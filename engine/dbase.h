// The dBase table engine: every function and global the windows call and read.
//
// One table instance's state is a DbaseTable (DbaseTable.h), and the table logic is written
// once over it. The program has two instances: dbase_tabelle, the main table, and
// dbase_tabelle2, the one the linked lookups open. Each dbase_ global below is a reference to
// a member of dbase_tabelle, so `dbase_anzahldatensaetze` and
// `dbase_tabelle.anzahldatensaetze` are one variable, and the windows read and write the
// globals directly. The dbase2_ globals name the members of dbase_tabelle2 the same way
// (DbaseLookup.h).
#pragma once

#include <cstdint>
#include <cstdio>

#include "engine/DbaseLocks.h"
#include "engine/DbaseLookup.h"
#include "engine/DbaseQuery.h"
#include "engine/DbaseTable.h"
#include "engine/DbaseText.h"
#include "engine/DbaseValues.h"
#include "platform/core/text.h"

inline FilePtr& dbase_datei = dbase_tabelle.datei;
inline int& dbase_handle = dbase_tabelle.handle;
inline AnsiString& dbase_dateiname = dbase_tabelle.dateiname;
inline uint8_t& dbase_version = dbase_tabelle.version;
inline std::array<uint8_t, 3>& dbase_datum = dbase_tabelle.datum;
inline uint32_t& dbase_anzahldatensaetze = dbase_tabelle.anzahldatensaetze;
inline uint16_t& dbase_headerlength = dbase_tabelle.headerlength;
inline uint16_t& dbase_lengthofrecord = dbase_tabelle.lengthofrecord;
inline uint8_t& dbase_modus = dbase_tabelle.modus;
inline uint8_t& dbase_anzahldatenfelder = dbase_tabelle.anzahldatenfelder;
inline std::vector<std::array<char, 12>>& dbase_feldname = dbase_tabelle.feldname;
inline std::vector<char>& dbase_feldtyp = dbase_tabelle.feldtyp;
inline std::vector<uint32_t>& dbase_feldadresse = dbase_tabelle.feldadresse;
inline std::vector<uint8_t>& dbase_feldlength = dbase_tabelle.feldlength;
inline std::vector<uint8_t>& dbase_feldkommastellen = dbase_tabelle.feldkommastellen;
inline std::vector<uint16_t>& dbase_feldoffset = dbase_tabelle.feldoffset;
inline std::vector<char>& dbase_record = dbase_tabelle.record;
inline std::vector<char>& dbase_record_temp = dbase_tabelle.record_temp;
inline std::vector<char>& dbase_recordMulti = dbase_tabelle.recordMulti;
inline uint32_t& dbase_cachestart = dbase_tabelle.cachestart;
inline uint32_t& dbase_freistart = dbase_tabelle.freistart;
inline FilePtr& dbase_dbtdatei = dbase_tabelle.dbtdatei;
inline uint32_t& dbase_dbtnaechster = dbase_tabelle.dbtnaechster;
inline uint32_t& dbase_dbtblockgroesse = dbase_tabelle.dbtblockgroesse;

// Character conversion of "C" fields from the database definition: 0 none, 1 the file holds
// ANSI and the program works in OEM, 2 the file holds OEM and the program works in ANSI.
extern uint8_t dbm_zeichensatz;

// Program start and end: the engine's globals to their start values, open files closed.
void dbase_initialisieren();
void dbase_finalisieren();

int dbase_open(const AnsiString& name);
void dbase_close();
int dbase_dbtopen(const AnsiString& name);
void dbase_dbtclose();

int dbase_lesen(long n);
int dbase_lesenmulti(long n);
int dbase_schreiben(long n);
// A new record into the free slot n found earlier, unless another running copy has taken it
// since: then into the next free one. n becomes the record's number; the result as
// dbase_schreiben's.
int dbase_neuschreiben(long& n);
int dbase_loeschen(long n);
long dbase_freiersatz();
void dbase_anzahlholen();

AnsiString dbase_feldnameholen(int n);
int dbase_tr(int n);
AnsiString dbase_trAnsi(int n);
int dbase_feldschreiben(int n);
int dbase_feldschreibenAnsi(const AnsiString& text, int n);

// Waits, letting the message loop run all the while.
void dbase_warten(int millisekunden);
