// The statements behind the registry, each bounded in how long it waits on another program.
#pragma once

#include <string>

#include "platform/registry.h"

struct sqlite3;

constexpr const char* kSqlCreateTable =
    "CREATE TABLE IF NOT EXISTS registry("
    "key TEXT NOT NULL COLLATE NOCASE, name TEXT NOT NULL COLLATE NOCASE, "
    "type INTEGER NOT NULL, value, PRIMARY KEY(key, name))";

// SQLITE_ROW with the value filled in, SQLITE_DONE when absent (no table counts as absent), or the
// error. A value of an unknown type, or a number that does not fit 32 bits, is absent.
int SqlReadValue(sqlite3* db, const std::wstring& strKey, const std::wstring& strName, CRegValue& value);
// SQLITE_OK or the error; the caller holds the write transaction.
int SqlWriteValue(sqlite3* db, const std::wstring& strKey, const std::wstring& strName, const CRegValue& value);
// SQLITE_OK and bOurs when the file is empty or holds our table and nothing else, or the error.
int SqlIsOurs(sqlite3* db, bool& bOurs);

EStoreTrouble TroubleOfWriteError(int rc);
