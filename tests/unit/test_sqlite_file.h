// A database made by "another program", for the tests of files the game must leave alone, and a
// look at a database past the game's own code.
#pragma once

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <string>
#include <vector>

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

using CSqlRows = std::vector<std::vector<std::string>>;

// Every row one statement gives on a fresh read-only connection, each column as text (NULL as
// ""), with the parameters bound as text in order. Empty when the file or the statement fails.
inline CSqlRows SqlRows(const std::filesystem::path& file, const char* szSql,
                        const std::vector<std::string>& astrParams = {})
{
    CSqlRows rows;
    sqlite3* db = nullptr;
    sqlite3_stmt* st = nullptr;
    if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_busy_timeout(db, 5000);
        if (sqlite3_prepare_v2(db, szSql, -1, &st, nullptr) == SQLITE_OK) {
            for (std::size_t i = 0; i < astrParams.size(); ++i)
                sqlite3_bind_text(st, static_cast<int>(i + 1), astrParams[i].c_str(), -1, SQLITE_TRANSIENT);
            while (sqlite3_step(st) == SQLITE_ROW) {
                std::vector<std::string>& row = rows.emplace_back();
                for (int c = 0; c < sqlite3_column_count(st); ++c) {
                    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(st, c));
                    row.emplace_back(p ? p : "");
                }
            }
        }
    }
    sqlite3_finalize(st);
    sqlite3_close(db);
    return rows;
}
