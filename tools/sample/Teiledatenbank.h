// The bundled parts database, written into a folder that exists: the parts table
// "Kalvento.dbf", its definition "Kalvento.dbm", the lock folder, the saved queries, and the
// suppliers table "Lieferanten.dbf" that the linked column "1000.vkn" looks up.
#pragma once

#include "platform/core/text.h"
#include "tools/sample/DbmSchreiben.h"

inline constexpr const char* kKalventoTabelle = "Kalvento.dbf";
inline constexpr const char* kLieferantenTabelle = "Lieferanten.dbf";
inline constexpr const char* kSperrordner = "Sperren/";
inline constexpr int kLieferzeitSpalte = 1000;  // the linked column's tag and link file

// The saved queries the database brings; the first is shown when the list opens, the second
// is the one the cart export runs.
inline constexpr const char* kAbfrageAlle = "Kalvento - alle Teile.dba";
inline constexpr const char* kAbfrageReichelt = "Kalvento - nur bei Reichelt zu bestellende.dba";
inline constexpr const char* kAbfrageBestellliste = "Kalvento - Bestellliste nach Lieferant.dba";
inline constexpr const char* kAbfrageMikroprozessor = "Kalvento - Mikroprozessorkarte.dba";

// False after writing the reasons to standard error; the engine's messages go there too.
bool TeiledatenbankErzeugen(const AnsiString& ordner);

// The definition the database brings, as the generator writes it.
DbmDefinition KalventoDefinition();
