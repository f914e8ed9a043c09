// Quitting while another program holds the settings file locked: the values that could not land
// are kept beside the store and saved at the next start, never over a newer value, never twice.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "platform/files.h"
#include "platform/profile.h"
#include "platform/text.h"
#include "store/settings_store.h"
#include "store/unsaved_writes.h"
#include "stored_values.h"
#include "test_platform_temp_dir.h"
#include "test_store_lock.h"

namespace {

const std::wstring kSection = L"Veltrane Quillorn";
const std::wstring kAnimalsKey = kSettingsKey + L"\\Animals";

class UnsavedWrites : public ::testing::Test {
protected:
    CTempDir m_dir;
    std::filesystem::path m_file = m_dir / "registry.db";
    std::filesystem::path m_kept = UnsavedWritesFile(m_file);

    void SetUp() override
    {
        CRegistry reg(m_file);
        CAppProfile profile(reg);
        ASSERT_TRUE(profile.WriteProfileInt(kSection, L"SOUND", 1));
        ASSERT_TRUE(profile.WriteProfileString(kSection, L"CURRENT_SET", L"Standard"));
        ASSERT_TRUE(reg.WriteDword(kAnimalsKey, L"BEG_INDEX", 3));
    }

    // One session of the game that makes its choices while another program holds the file and
    // quits before it lets go.
    CExitSave QuitUnderLock(CStoreLock::Kind kind, const std::function<void(CAppProfile&)>& fnPlay)
    {
        CStoreLock lock(m_file, kind);
        EXPECT_TRUE(lock.Held());
        CRegistry reg(m_file);
        CAppProfile profile(reg);
        fnPlay(profile);
        const CExitSave result = SaveOrKeepAtExit(profile);
        EXPECT_FALSE(reg.HasPending()) << "what was kept is not written again as the registry goes";
        return result;
    }

    static void ChooseAnimals(CAppProfile& profile)
    {
        profile.WriteProfileInt(kSection, L"SOUND", 0);
        profile.WriteProfileString(kSection, L"CURRENT_SET", L"Animals");
        profile.Registry().WriteDword(kAnimalsKey, L"BEG_INDEX", 4);
    }

    // A session that starts while another program still holds the file, plays, and quits just
    // after the lock goes.
    void StartUnderLock(const std::function<void(CAppProfile&)>& fnPlay)
    {
        CStoreLock lock(m_file, CStoreLock::Kind::Write);
        CRegistry reg(m_file);
        CAppProfile profile(reg);
        EXPECT_EQ(ApplyUnsavedWrites(profile, 50), EUnsavedStart::Queued);
        fnPlay(profile);
        lock.ReleaseAfter(std::chrono::milliseconds(100));
        EXPECT_TRUE(SaveOrKeepAtExit(profile).bLanded);
    }

    EUnsavedStart Start()
    {
        CRegistry reg(m_file);
        CAppProfile profile(reg);
        return ApplyUnsavedWrites(profile, 100);
    }

    std::string Raw(const char* szName) const { return CStoreLock::ReadRaw(m_file, szName); }
};

TEST_F(UnsavedWrites, QuittingUnderALockKeepsTheChoicesAndTheNextStartSavesThem)
{
    const CExitSave exit = QuitUnderLock(CStoreLock::Kind::Write, ChooseAnimals);
    EXPECT_FALSE(exit.bLanded);
    EXPECT_EQ(exit.nKept, 3);
    EXPECT_EQ(exit.nLost, 0);
    EXPECT_TRUE(std::filesystem::exists(m_kept));
    EXPECT_EQ(Raw("SOUND"), "1") << "nothing landed";

    EXPECT_EQ(Start(), EUnsavedStart::Saved);
    EXPECT_EQ(Raw("SOUND"), "0");
    EXPECT_EQ(Raw("CURRENT_SET"), "Animals");
    EXPECT_EQ(CStoreLock::ReadRaw(m_file, "BEG_INDEX", EncodeUtf8(kAnimalsKey)), "4");
    EXPECT_FALSE(std::filesystem::exists(m_kept)) << "saved once, then gone";
    EXPECT_EQ(Start(), EUnsavedStart::NoFile);
}

TEST_F(UnsavedWrites, AKeptValueNeverLandsOverANewerOneNorTwice)
{
    QuitUnderLock(CStoreLock::Kind::Write, ChooseAnimals);
    const std::string strKept = ReadWholeFile(m_kept);
    ASSERT_FALSE(strKept.empty());
    {
        // Another copy of the game chose a set meanwhile: that choice is newer.
        CRegistry other(m_file);
        ASSERT_TRUE(CAppProfile(other).WriteProfileString(kSection, L"CURRENT_SET", L"Birds"));
    }
    EXPECT_EQ(Start(), EUnsavedStart::Saved);
    EXPECT_EQ(Raw("CURRENT_SET"), "Birds");
    EXPECT_EQ(Raw("SOUND"), "0") << "what nobody changed is saved";

    // The player turns the sound back on, which is what the store held at that exit; a start
    // stopped before it removed the file leaves the same file behind.
    {
        CRegistry other(m_file);
        ASSERT_TRUE(CAppProfile(other).WriteProfileInt(kSection, L"SOUND", 1));
    }
    ASSERT_EQ(WriteFileAtomically(m_kept, strKept, true), 0);
    EXPECT_EQ(Start(), EUnsavedStart::Saved);
    EXPECT_EQ(Raw("SOUND"), "1") << "a file already saved is not saved again";
    EXPECT_FALSE(std::filesystem::exists(m_kept));
}

TEST_F(UnsavedWrites, AStartThatFindsTheLockStillHeldPlaysOnTheKeptValuesAndSavesThemFirst)
{
    QuitUnderLock(CStoreLock::Kind::Write, ChooseAnimals);
    StartUnderLock([&](CAppProfile& profile) {
        EXPECT_EQ(StoredInt(profile, L"SOUND", 1), 0) << "the game plays on the last choices";
        EXPECT_EQ(StoredString(profile, L"CURRENT_SET"), L"Animals");
        // This session's own choice is newer than the kept one.
        profile.WriteProfileString(kSection, L"CURRENT_SET", L"Fish");
        EXPECT_EQ(Raw("CURRENT_SET"), "Standard");
    });
    EXPECT_EQ(Raw("CURRENT_SET"), "Fish");
    EXPECT_EQ(Raw("SOUND"), "0");
    EXPECT_FALSE(std::filesystem::exists(m_kept)) << "its values landed: nothing is left to keep";
    EXPECT_EQ(Start(), EUnsavedStart::NoFile);
}

TEST_F(UnsavedWrites, WhatCannotBeCheckedIsNotKeptAndAnEarlierKeptValueStays)
{
    QuitUnderLock(CStoreLock::Kind::Write, [](CAppProfile& profile) {
        profile.WriteProfileInt(kSection, L"SOUND", 0);
    });
    // The next session meets a program that keeps the whole file to itself: nothing it holds can
    // be read, so nothing could later tell whether a value kept now is still the newest.
    const CExitSave exit = QuitUnderLock(CStoreLock::Kind::Exclusive, [](CAppProfile& profile) {
        EXPECT_EQ(ApplyUnsavedWrites(profile, 50), EUnsavedStart::LeftForLater);
        profile.WriteProfileString(kSection, L"CURRENT_SET", L"Fish");
    });
    EXPECT_EQ(exit.nLost, 1);
    EXPECT_EQ(exit.nKept, 1) << "the earlier exit's value is still kept";
    EXPECT_EQ(Start(), EUnsavedStart::Saved);
    EXPECT_EQ(Raw("SOUND"), "0");
    EXPECT_EQ(Raw("CURRENT_SET"), "Standard");
}

// Each exit's kept values are saved at the next start, though the store still holds the mark of
// an earlier exit's values, saved before.
TEST_F(UnsavedWrites, ALaterExitUnderALockIsSavedAfterAnEarlierOneWas)
{
    const auto quitWithSound = [&](int nSound) {
        const auto play = [nSound](CAppProfile& profile) { profile.WriteProfileInt(kSection, L"SOUND", nSound); };
        return QuitUnderLock(CStoreLock::Kind::Write, play).nKept;
    };
    EXPECT_EQ(quitWithSound(0), 1);
    EXPECT_EQ(Start(), EUnsavedStart::Saved);
    EXPECT_EQ(Raw("SOUND"), "0");

    EXPECT_EQ(quitWithSound(1), 1);
    EXPECT_EQ(Start(), EUnsavedStart::Saved);
    EXPECT_EQ(Raw("SOUND"), "1") << "the second exit's choice is not taken for the first's";
    EXPECT_FALSE(std::filesystem::exists(m_kept));

    // Nor when the next start finds the lock still held: the newest exit's values are played on.
    EXPECT_EQ(quitWithSound(0), 1);
    StartUnderLock([](CAppProfile& profile) { EXPECT_EQ(StoredInt(profile, L"SOUND", 1), 0); });
    EXPECT_EQ(Raw("SOUND"), "0");
    EXPECT_FALSE(std::filesystem::exists(m_kept));
}

TEST(UnsavedWritesFile, ValuesOfAnyTextSurviveTheFileAndOtherFilesGiveNothing)
{
    CUnsavedFile file;
    file.strMark = L"m\t1";
    file.aWrites.resize(2);
    file.aWrites[0].entry = {L"A\\B", L"NAME", {CRegValue::kString, 0, L"tab\there\nnew\\line \u00E9\u202E"}};
    file.aWrites[1].entry = {L"A\\B", L"N", {CRegValue::kDword, 0xFFFFFFFFu, {}}};
    file.aWrites[1].before = CRegValue{CRegValue::kString, 0, L""};
    CUnsavedFile back;
    ASSERT_TRUE(ParseUnsavedWrites(UnsavedWritesText(file), back));
    EXPECT_EQ(back.strMark, file.strMark);
    ASSERT_EQ(back.aWrites.size(), 2u);
    EXPECT_EQ(back.aWrites[0].entry.value.str, file.aWrites[0].entry.value.str);
    EXPECT_FALSE(back.aWrites[0].before.has_value());
    EXPECT_EQ(back.aWrites[1].entry.value.dw, 0xFFFFFFFFu);
    ASSERT_TRUE(back.aWrites[1].before.has_value());
    EXPECT_EQ(back.aWrites[1].before->nType, CRegValue::kString);

    const std::string strGood = UnsavedWritesText(file);
    // The escapes are part of the stored format: a file kept by one version is read by the next.
    EXPECT_NE(strGood.find("A\\\\B\tNAME\ts:tab\\there\\nnew\\\\line "), std::string::npos) << strGood;
    const std::string strHeader = strGood.substr(0, strGood.find('\n') + 1);
    EXPECT_FALSE(ParseUnsavedWrites("SQLite format 3\n", back));
    EXPECT_FALSE(ParseUnsavedWrites(strHeader, back)) << "no mark";
    // Too large a number, an unknown escape, an empty key, an unknown type, a field missing.
    ASSERT_TRUE(ParseUnsavedWrites(strHeader + "m\n"
                                       "A\\\\B\tN\td:99999999999\t-\n"
                                       "A\\B\tN\td:1\t-\n"
                                       "\tN\td:1\t-\n"
                                       "A\tN\tx:1\t-\n"
                                       "A\tN\td:1\n"
                                       "A\tN\td:7\t-\n",
                                   back));
    ASSERT_EQ(back.aWrites.size(), 1u) << "lines it cannot take are skipped";
    EXPECT_EQ(back.aWrites[0].entry.value.dw, 7u);
}

}  // namespace
