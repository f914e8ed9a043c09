// Settings and progress that could not be saved at exit, because another program held the store
// locked: kept in a small file beside the store and saved at the next start.
//
// Each kept value remembers what the store held when the game quit, and the file carries a mark
// of its own. At the next start a value is saved only where the store still holds what it held
// at exit (a value another copy of the game wrote meanwhile is newer and stays), in one
// transaction that also stores the file's mark; a file whose mark the store already holds was
// saved before (by a start stopped before it could remove the file) and is only removed.
//
// A start that finds the store still locked takes the kept values into its own queue of writes,
// ahead of anything it writes itself, so the game plays on the player's last choices and they
// land with the mark once the lock goes. A value whose stored state cannot be read (the file held
// exclusively by another program) cannot be checked: at exit it is not kept, and at start the
// file is left for a later start.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/registry.h"

class CAppProfile;

// One value that could not be saved, and what the store held when it could not.
struct CUnsavedWrite {
    CRegEntry entry;
    std::optional<CRegValue> before;  // empty: the value was absent
};

struct CUnsavedFile {
    std::wstring strMark;
    std::vector<CUnsavedWrite> aWrites;
};

// What became of the queued writes at exit.
struct CExitSave {
    bool bLanded = false;  // nothing was left waiting
    int nKept = 0;         // values in the file for the next start
    int nLost = 0;         // values neither saved nor kept
};

enum class EUnsavedStart { NoFile, Saved, Queued, LeftForLater };

// The file beside the store: registry.db.unsaved for registry.db.
std::filesystem::path UnsavedWritesFile(const std::filesystem::path& store);

// At exit: the queued writes get their last chance; what still cannot land is kept in the file
// (replaced atomically; values an earlier exit kept and nobody has saved yet stay in it), and the
// registry lets go of it. When everything landed, a file already saved is removed.
CExitSave SaveOrKeepAtExit(CAppProfile& profile);

// At start, before the game reads its values. nLockWaitMs bounds the wait on another program.
EUnsavedStart ApplyUnsavedWrites(CAppProfile& profile, int nLockWaitMs);

// The file's text and back: a line naming the kind of file, the file's mark, then one value a
// line. Value lines that cannot be read are skipped; false for a file of another kind.
std::string UnsavedWritesText(const CUnsavedFile& file);
bool ParseUnsavedWrites(const std::string& strText, CUnsavedFile& file);
