// What the player is told when the settings store or the game log is not keeping what it is given:
// which of the two, the reason in the player's words, and the file.
#pragma once

#include <filesystem>
#include <string>

#include "platform/sqlite_db.h"

class CGameLog;

// Empty for EStoreTrouble::None; each cause has its own words.
std::wstring StoreNoticeReason(EStoreTrouble trouble);
// The settings store's notice: that nothing is being saved, why, and which file.
std::wstring StoreNoticeText(EStoreTrouble trouble, const std::filesystem::path& file);
// The game log's notice: that finished words are not being logged, why, and which file.
std::wstring GameLogNoticeText(EStoreTrouble trouble, const std::filesystem::path& file);
// Why the game log could not be read just now (after its open, or a read of it, failed).
EStoreTrouble GameLogReadTrouble(CGameLog& log);
