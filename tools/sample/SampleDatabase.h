// The bundled parts database, written into a folder that exists: the parts table
// "Kalvento.dbf", its definition "Kalvento.dbm", the lock folder, the saved queries, and the
// suppliers table "Lieferanten.dbf" that the linked column "1000.vkn" looks up.
#pragma once

#include "platform/core/text.h"
#include "tools/sample/DefinitionWriter.h"

inline constexpr const char* kPartsTable = "Kalvento.dbf";
inline constexpr const char* kSuppliersTable = "Lieferanten.dbf";
inline constexpr const char* kLockFolder = "Sperren/";
inline constexpr int kDeliveryTimeColumn = 1000;  // the linked column's tag and link file

// The saved queries the database brings; the first is shown when the list opens, the second
// is the one the cart export runs.
inline constexpr const char* kQueryAll = "Kalvento - alle Teile.dba";
inline constexpr const char* kQueryReichelt = "Kalvento - nur bei Reichelt zu bestellende.dba";
inline constexpr const char* kQueryOrderList = "Kalvento - Bestellliste nach Lieferant.dba";
inline constexpr const char* kQueryMicroprocessor = "Kalvento - Mikroprozessorkarte.dba";

// False after writing what failed to standard error; the engine's own messages go through
// the installed dialog handler.
bool WriteSampleDatabase(const AnsiString& folder);

// The definition the database brings.
DbmDefinition SampleDefinition();
