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
#include <functional>

#include "engine/DbaseLocks.h"
#include "engine/DbaseLookup.h"
#include "engine/DbaseQuery.h"
#include "engine/DbaseTable.h"
#include "engine/DbaseText.h"
#include "engine/DbaseValues.h"
#include "platform/core/text.h"

#define DBASE_MAIN_ALIAS(member) DBASE_TABLE_ALIAS(dbase_, dbase_tabelle, member)
DBASE_TABLE_MEMBERS(DBASE_MAIN_ALIAS)
DBASE_WINDOW_MEMBERS(DBASE_MAIN_ALIAS)
#undef DBASE_MAIN_ALIAS

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
// The same wait, spending it on `step` between the message loop's turns instead of sleeping,
// until step returns false; each step must be short.
void DbaseWaitWorking(int millisekunden, const std::function<bool()>& step);
