// A database made by "another program", for the tests of files the game must leave alone.
#pragma once

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>

// Replaces file with a new database holding what szSql makes.
inline ::testing::AssertionResult MakeDatabase(const std::filesystem::path& file, const char* szSql)
{
    std::filesystem::remove(file);
    sqlite3* db = nullptr;
    const bool bOk = sqlite3_open(file.c_str(), &db) == SQLITE_OK &&
                     sqlite3_exec(db, szSql, nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    if (bOk)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "could not make " << file << " from: " << szSql;
}
