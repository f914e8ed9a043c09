// Options and per-set progress as stored: defaults, damaged values, and progress key naming.
#include <gtest/gtest.h>

#include <cstdint>

#include "platform/profile.h"
#include "platform/registry.h"
#include "store/settings_store.h"
#include "test_platform_temp_dir.h"

namespace {

const std::wstring kSectionKey = L"Software\\Veltrane Corporation\\Veltrane Quillorn\\Veltrane Quillorn";

class SettingsStoreTest : public ::testing::Test {
protected:
    CTempDir m_dir;
    std::filesystem::path m_file = m_dir / "registry.db";
    CRegistry m_registry{m_file};
    CAppProfile m_profile{m_registry};
    CSettingsStore m_store{m_profile};
};

TEST_F(SettingsStoreTest, AnEmptyStoreReadsTheDefaultsAndStaysUncreated)
{
    EXPECT_TRUE(m_store.ReadSound());
    EXPECT_TRUE(m_store.ReadTimeTrial());
    EXPECT_EQ(m_store.ReadBackground(), 0xA6FFD2u);
    EXPECT_EQ(m_store.ReadCurrentSkill(), 0);
    EXPECT_EQ(m_store.ReadCurrentSet(), L"");
    int nIndex = 99;
    EXPECT_TRUE(m_store.OpenProgressKey(L"animals"));
    EXPECT_FALSE(m_store.ReadWordIndex(L"animals", 0, nIndex));
    EXPECT_EQ(nIndex, 99);
    EXPECT_FALSE(std::filesystem::exists(m_file));
}

TEST_F(SettingsStoreTest, OptionsRoundTripUnderTheirValueNames)
{
    m_store.WriteSound(false);
    m_store.WriteTimeTrial(false);
    m_store.WriteBackground(0x00123456);
    m_store.WriteCurrentSkill(2);
    m_store.WriteCurrentSet(L"Kitchen");
    EXPECT_FALSE(m_store.ReadSound());
    EXPECT_FALSE(m_store.ReadTimeTrial());
    EXPECT_EQ(m_store.ReadBackground(), 0x00123456u);
    EXPECT_EQ(m_store.ReadCurrentSkill(), 2);
    EXPECT_EQ(m_store.ReadCurrentSet(), L"Kitchen");

    struct Expected { const wchar_t* name; std::uint32_t dw; };
    for (const Expected& e : {Expected{L"SOUND", 0}, Expected{L"TIMETRIAL_CHECKED", 0},
                              Expected{L"Background Color", 0x123456}, Expected{L"CURRENT_LEVEL", 2}}) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(e.name)));
        std::uint32_t dw = 77;
        EXPECT_TRUE(m_registry.ReadDword(kSectionKey, e.name, dw));
        EXPECT_EQ(dw, e.dw);
    }
    std::wstring str;
    EXPECT_TRUE(m_registry.ReadString(kSectionKey, L"CURRENT_SET", str));
    EXPECT_EQ(str, L"Kitchen");

    m_store.WriteSound(true);
    EXPECT_TRUE(m_store.ReadSound());
}

TEST_F(SettingsStoreTest, DamagedOptionValuesReadAsSomethingPlayable)
{
    struct Case { std::uint32_t dwLevel; int nSkill; };
    for (const Case& c : {Case{0, 0}, Case{1, 1}, Case{2, 2}, Case{3, 0}, Case{0xFFFFFFFF, 0},
                          Case{0x80000000, 0}, Case{0x7FFFFFFF, 0}, Case{100, 0}}) {
        ASSERT_TRUE(m_registry.WriteDword(kSectionKey, L"CURRENT_LEVEL", c.dwLevel));
        EXPECT_EQ(m_store.ReadCurrentSkill(), c.nSkill) << c.dwLevel;
    }

    // Each value stored with the wrong type reads as its default.
    ASSERT_TRUE(m_registry.WriteString(kSectionKey, L"CURRENT_LEVEL", L"2"));
    ASSERT_TRUE(m_registry.WriteString(kSectionKey, L"SOUND", L"0"));
    ASSERT_TRUE(m_registry.WriteString(kSectionKey, L"TIMETRIAL_CHECKED", L"0"));
    ASSERT_TRUE(m_registry.WriteString(kSectionKey, L"Background Color", L"255"));
    ASSERT_TRUE(m_registry.WriteDword(kSectionKey, L"CURRENT_SET", 5));
    EXPECT_EQ(m_store.ReadCurrentSkill(), 0);
    EXPECT_TRUE(m_store.ReadSound());
    EXPECT_TRUE(m_store.ReadTimeTrial());
    EXPECT_EQ(m_store.ReadBackground(), 0xA6FFD2u);
    EXPECT_EQ(m_store.ReadCurrentSet(), L"");

    // Any non-zero flag is on; a colour never carries a top byte.
    ASSERT_TRUE(m_registry.WriteDword(kSectionKey, L"SOUND", 5));
    ASSERT_TRUE(m_registry.WriteDword(kSectionKey, L"Background Color", 0xFF0000FF));
    EXPECT_TRUE(m_store.ReadSound());
    EXPECT_EQ(m_store.ReadBackground(), 0x0000FFu);
}

TEST_F(SettingsStoreTest, ProgressLivesInOneSubkeyPerSetAndSkill)
{
    ASSERT_TRUE(m_store.WriteWordIndex(L"animals", 0, 4));
    ASSERT_TRUE(m_store.WriteWordIndex(L"animals", 1, -1));
    ASSERT_TRUE(m_store.WriteWordIndex(L"animals", 2, 11));
    ASSERT_TRUE(m_store.WriteWordIndex(L"kitchen", 0, 1));

    struct Raw { const wchar_t* set; const wchar_t* name; std::uint32_t dw; };
    for (const Raw& r : {Raw{L"animals", L"BEG_INDEX", 4}, Raw{L"animals", L"INT_INDEX", 0xFFFFFFFF},
                         Raw{L"animals", L"ADV_INDEX", 11}, Raw{L"kitchen", L"BEG_INDEX", 1}}) {
        std::uint32_t dw = 0;
        EXPECT_TRUE(m_registry.ReadDword(kSectionKey + L"\\" + r.set, r.name, dw));
        EXPECT_EQ(dw, r.dw);
    }

    int n = 0;
    EXPECT_TRUE(m_store.ReadWordIndex(L"animals", 0, n));
    EXPECT_EQ(n, 4);
    EXPECT_TRUE(m_store.ReadWordIndex(L"animals", 1, n));
    EXPECT_EQ(n, -1);
    EXPECT_TRUE(m_store.ReadWordIndex(L"kitchen", 0, n));
    EXPECT_EQ(n, 1) << "each set keeps its own position";
    EXPECT_FALSE(m_store.ReadWordIndex(L"kitchen", 2, n));

    // Set names differing only in case share one key, as registry keys do.
    EXPECT_TRUE(m_store.ReadWordIndex(L"ANIMALS", 2, n));
    EXPECT_EQ(n, 11);
    ASSERT_TRUE(m_store.WriteWordIndex(L"Animals", 2, 12));
    EXPECT_TRUE(m_store.ReadWordIndex(L"animals", 2, n));
    EXPECT_EQ(n, 12);
}

TEST_F(SettingsStoreTest, DamagedIndexesAndSkillsOutsideTheRange)
{
    struct Case { std::uint32_t dw; bool bRead; int nIndex; };
    for (const Case& c : {Case{0xFFFFFFFE, true, -1}, Case{0x80000000, true, -1}, Case{0xFFFFFFFF, true, -1},
                          Case{0, true, 0}, Case{0x7FFFFFFF, true, 0x7FFFFFFF}}) {
        ASSERT_TRUE(m_registry.WriteDword(kSectionKey + L"\\animals", L"BEG_INDEX", c.dw));
        int n = 555;
        EXPECT_EQ(m_store.ReadWordIndex(L"animals", 0, n), c.bRead);
        EXPECT_EQ(n, c.nIndex) << c.dw;
    }
    ASSERT_TRUE(m_registry.WriteString(kSectionKey + L"\\animals", L"INT_INDEX", L"3"));
    int n = 555;
    EXPECT_FALSE(m_store.ReadWordIndex(L"animals", 1, n)) << "a string is no index";
    EXPECT_EQ(n, 555);

    for (int nSkill : {-1, 3, 1000}) {
        EXPECT_FALSE(m_store.WriteWordIndex(L"animals", nSkill, 1));
        EXPECT_FALSE(m_store.ReadWordIndex(L"animals", nSkill, n));
    }
}

TEST(UsableSetNames, OnlyNamesThatStayInsideTheirDirectoryAndKeyAreUsable)
{
    struct Case { std::wstring name; bool bUsable; };
    const Case cases[] = {
        {L"animals", true}, {L"my.words", true}, {L"Ærø", true}, {L"two words", true}, {L"...", true},
        {L".hidden", true}, {L"日本", true},
        {L"", false}, {L".", false}, {L"..", false}, {L"../etc", false}, {L"a/b", false}, {L"/abs", false},
        {L"a\\b", false}, {L"tab\there", false}, {L"new\nline", false}, {std::wstring(L"nul\0x", 5), false},
        {L"del\x7F", false}, {L"c1\x85", false}, {L"esc\x1B", false},
    };
    CTempDir dir;
    CRegistry registry(dir / "registry.db");
    CAppProfile profile(registry);
    CSettingsStore store(profile);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.name));
        EXPECT_EQ(IsUsableSetName(c.name), c.bUsable);
        EXPECT_EQ(store.OpenProgressKey(c.name), c.bUsable);
        if (!c.bUsable) {
            EXPECT_FALSE(store.WriteWordIndex(c.name, 0, 3));
            int n = 0;
            EXPECT_FALSE(store.ReadWordIndex(c.name, 0, n));
        }
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "registry.db")) << "no unusable name reached the store";
}

}  // namespace
