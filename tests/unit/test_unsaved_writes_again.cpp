// Quitting under a lock more than once: each exit's kept values are saved at the next start, even
// though the store still holds the mark of an earlier exit's values, saved before.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/profile.h"
#include "store/unsaved_writes.h"
#include "test_platform_temp_dir.h"
#include "test_store_lock.h"

namespace {

const std::wstring kSection = L"Veltrane Quillorn";

TEST(UnsavedWritesAgain, ALaterExitUnderALockIsSavedAfterAnEarlierOneWas)
{
    CTempDir dir;
    const std::filesystem::path file = dir / "registry.db";
    {
        CRegistry reg(file);
        ASSERT_TRUE(CAppProfile(reg).WriteProfileInt(kSection, L"SOUND", 1));
    }
    const auto quitUnderLock = [&](int nSound) {
        CStoreLock lock(file, CStoreLock::Kind::Write);
        EXPECT_TRUE(lock.Held());
        CRegistry reg(file);
        CAppProfile profile(reg);
        profile.WriteProfileInt(kSection, L"SOUND", nSound);
        return SaveOrKeepAtExit(profile).nKept;
    };
    const auto start = [&] {
        CRegistry reg(file);
        CAppProfile profile(reg);
        return ApplyUnsavedWrites(profile, 100);
    };

    EXPECT_EQ(quitUnderLock(0), 1);
    EXPECT_EQ(start(), EUnsavedStart::Saved);
    EXPECT_EQ(CStoreLock::ReadRaw(file, "SOUND"), "0");

    EXPECT_EQ(quitUnderLock(1), 1);
    EXPECT_EQ(start(), EUnsavedStart::Saved);
    EXPECT_EQ(CStoreLock::ReadRaw(file, "SOUND"), "1") << "the second exit's choice is not taken for the first's";
    EXPECT_FALSE(std::filesystem::exists(UnsavedWritesFile(file)));
}

}  // namespace
