// The database definition (Kalvento.dbm): the program's only configuration. It names the
// table, the lock folder, the saved query shown first and the list's caption, holds ten
// column layouts of twenty columns each and the switches of the list window, the engine and
// the entry form. The windows read these globals directly; DatenbankDbmLaden fills them.
// The definition's switches that the engine owns are declared with it and named here too:
// dbase_grossklein (DbaseQuery.h), dbm_sperren (DbaseLocks.h), dbm_zeichensatz (dbase.h).
#pragma once

#include "engine/dbase.h"
#include "platform/core/text.h"

inline constexpr int kDbmLayouts = 10;  // layouts, numbered from 1
inline constexpr int kDbmColumns = 20;  // column entries per layout, numbered from 1

extern AnsiString dbm_datei;        // the file the definition was last read from
extern AnsiString dbm_name;         // "Kalvento.dbm" offers the entry form
extern AnsiString dbm_sperrordner;  // prefix of the record locks' base
extern AnsiString dbm_tabelle;      // the .dbf the list window opens
extern AnsiString dbm_abfrage;      // the saved query shown and run first
extern AnsiString dbm_titel;        // the list window's caption
extern int dbm_druckknopf;          // 1 shows the print button
extern int dbm_dublettenpruefung;   // 1: the entry form refuses a designation twice
extern AnsiString dbm_spezialtext;  // the special button's caption (the cart export)
extern int dbm_spezialknopf;        // the special button shows when not 0

// Layouts and columns are counted from 1, as the definition counts them; index 0 is unused.
// A layout's column count includes the list's index column.
extern AnsiString dbm_listenname[kDbmLayouts + 1];  // tab captions; empty hides the tab
extern int dbm_spaltenanzahl[kDbmLayouts + 1];
extern int dbm_spaltenfeld[kDbmColumns + 1][kDbmLayouts + 1];  // 1000 and more: a link file
extern AnsiString dbm_spaltentitel[kDbmColumns + 1][kDbmLayouts + 1];
extern AnsiString dbm_spaltenreserve[kDbmColumns + 1][kDbmLayouts + 1];  // kept, not used
extern int dbm_spaltenbreite[kDbmColumns + 1][kDbmLayouts + 1];
extern int dbm_spaltenfarbe[kDbmColumns + 1][kDbmLayouts + 1];  // a TColor

// Reads the definition into the globals. A missing file is reported and changes nothing
// but dbm_datei; a file that ends early leaves the missing texts empty and integers 0.
void DatenbankDbmLaden(const AnsiString& name);

// The stored values are not checked, so a window that indexes by them asks these: layout l's
// column count within 1 .. kDbmColumns + 1 (the index column and twenty entries), and a
// column's width, never below 0. A layout number outside 1 .. kDbmLayouts counts as 1.
int DbmColumnCount(int l);
int DbmColumnWidth(int c, int l);

// The base of the record locks' file names: the lock folder followed by the table's path.
AnsiString DbmLockBase();
