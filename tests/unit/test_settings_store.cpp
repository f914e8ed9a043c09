// Options and per-set progress as stored: defaults, damaged values, and progress key naming.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <optional>
#include <tuple>
#include <vector>

#include "platform/profile.h"
#include "platform/registry.h"
#include "store/settings_store.h"
#include "stored_values.h"
#include "test_platform_temp_dir.h"

namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    // A set's position at a skill, when it is read as found.
    std::optional<int> Index(const std::wstring& strSet, int nSkill)
    {
        int n = 0;
        return m_store.QueryWordIndex(strSet, nSkill, n) == ERead::Found ? std::optional(n) : std::nullopt;
    }

    CTempDir m_dir;
    std::filesystem::path m_file = m_dir / "registry.db";
    CRegistry m_registry{m_file};
    CAppProfile m_profile{m_registry};
    CSettingsStore m_store{m_profile};
};

// What every option reads as when it is absent or damaged.
const auto kDefaults = std::tuple(true, true, 0xA6FFD2u, 0, L"", 0, false, false, false);

// Every option as the game reads it: whether it was found, and the value it then holds. Each
// starts away from its default, so a value read as absent shows the default the store gives.
struct COptionsRead {
    bool bSound = false;
    bool bTimeTrial = false;
    COLORREF clrBackground = 0;
    int nSkill = SkillAdvanced;
    std::wstring strSet = L"before";
    int nZoom = 150;
    bool abFlags[3] = {true, true, true};  // Hard Mode, Word Check, words that fit
    std::vector<ERead> aResults;

    explicit COptionsRead(const CSettingsStore& store)
    {
        aResults = {store.Read(Option::Sound, bSound),        store.Read(Option::TimeTrial, bTimeTrial),
                    store.Read(Option::Background, clrBackground), store.Read(Option::CurrentSkill, nSkill),
                    store.Read(Option::CurrentSet, strSet),    store.Read(Option::Zoom, nZoom),
                    store.Read(Option::HardMode, abFlags[0]),  store.Read(Option::WordCheck, abFlags[1]),
                    store.Read(Option::ShowWordsFit, abFlags[2])};
    }
    bool FlagsAre(bool bOn) const
    {
        return std::all_of(std::begin(abFlags), std::end(abFlags), [bOn](bool b) { return b == bOn; });
    }
    auto Values() const
    {
        return std::tuple(bSound, bTimeTrial, clrBackground, nSkill, strSet, nZoom, abFlags[0], abFlags[1], abFlags[2]);
    }
    bool AllAre(ERead result) const
    {
        return std::all_of(aResults.begin(), aResults.end(), [result](ERead r) { return r == result; });
    }
};

TEST_F(SettingsStoreTest, AnEmptyStoreReadsAbsentKeepsTheDefaultsAndStaysUncreated)
{
    const COptionsRead read(m_store);
    EXPECT_TRUE(read.AllAre(ERead::Absent));
    EXPECT_EQ(read.Values(), kDefaults) << "the later options start off";
    int nIndex = 99;
    EXPECT_EQ(m_store.QueryWordIndex(L"animals", 0, nIndex), ERead::Absent);
    EXPECT_EQ(nIndex, 99);
    EXPECT_FALSE(std::filesystem::exists(m_file));
}

TEST_F(SettingsStoreTest, OptionsRoundTripUnderTheirValueNames)
{
    m_store.Write(Option::Sound, false);
    m_store.Write(Option::TimeTrial, false);
    m_store.Write(Option::Background, 0x00123456);
    m_store.Write(Option::CurrentSkill, 2);
    m_store.Write(Option::CurrentSet, L"Kitchen");
    m_store.Write(Option::Zoom, 200);
    m_store.Write(Option::HardMode, true);
    m_store.Write(Option::WordCheck, true);
    m_store.Write(Option::ShowWordsFit, true);
    const COptionsRead read(m_store);
    EXPECT_TRUE(read.AllAre(ERead::Found));
    EXPECT_EQ(read.Values(), std::tuple(false, false, 0x00123456u, 2, L"Kitchen", 200, true, true, true));

    struct Expected { const wchar_t* name; std::uint32_t dw; };
    for (const Expected& e : {Expected{L"SOUND", 0}, Expected{L"TIMETRIAL_CHECKED", 0},
                              Expected{L"Background Color", 0x123456}, Expected{L"CURRENT_LEVEL", 2},
                              Expected{L"Zoom", 200}, Expected{L"HARD_MODE", 1}, Expected{L"WORD_CHECK", 1},
                              Expected{L"SHOW_WORDS_FIT", 1}}) {
        EXPECT_EQ(DwordIn(m_registry, kSettingsKey, e.name), e.dw) << testing::PrintToString(std::wstring(e.name));
    }
    EXPECT_EQ(StringIn(m_registry, kSettingsKey, L"CURRENT_SET"), L"Kitchen");

    m_store.Write(Option::Sound, true);
    EXPECT_TRUE(COptionsRead(m_store).bSound);
}

TEST_F(SettingsStoreTest, DamagedOptionValuesReadAsSomethingPlayable)
{
    struct Case { std::uint32_t dwLevel; int nSkill; };
    for (const Case& c : {Case{0, 0}, Case{1, 1}, Case{2, 2}, Case{3, 0}, Case{0xFFFFFFFF, 0},
                          Case{0x80000000, 0}, Case{0x7FFFFFFF, 0}, Case{100, 0}}) {
        ASSERT_TRUE(m_registry.WriteDword(kSettingsKey, L"CURRENT_LEVEL", c.dwLevel));
        int nSkill = 1;
        EXPECT_EQ(m_store.Read(Option::CurrentSkill, nSkill), ERead::Found);
        EXPECT_EQ(nSkill, c.nSkill) << c.dwLevel;
    }

    // Each value stored with the wrong type reads as absent: the game keeps its default.
    ASSERT_TRUE(m_registry.WriteString(kSettingsKey, L"CURRENT_LEVEL", L"2"));
    ASSERT_TRUE(m_registry.WriteString(kSettingsKey, L"SOUND", L"0"));
    ASSERT_TRUE(m_registry.WriteString(kSettingsKey, L"TIMETRIAL_CHECKED", L"0"));
    ASSERT_TRUE(m_registry.WriteString(kSettingsKey, L"Background Color", L"255"));
    ASSERT_TRUE(m_registry.WriteDword(kSettingsKey, L"CURRENT_SET", 5));
    ASSERT_TRUE(m_registry.WriteString(kSettingsKey, L"Zoom", L"200"));
    for (const wchar_t* szFlag : {L"HARD_MODE", L"WORD_CHECK", L"SHOW_WORDS_FIT"})
        ASSERT_TRUE(m_registry.WriteString(kSettingsKey, szFlag, L"1"));
    const COptionsRead wrongType(m_store);
    EXPECT_TRUE(wrongType.AllAre(ERead::Absent));
    EXPECT_EQ(wrongType.Values(), kDefaults);

    // Any non-zero flag is on; a colour never carries a top byte.
    ASSERT_TRUE(m_registry.WriteDword(kSettingsKey, L"SOUND", 5));
    ASSERT_TRUE(m_registry.WriteDword(kSettingsKey, L"Background Color", 0xFF0000FF));
    for (const wchar_t* szFlag : {L"HARD_MODE", L"WORD_CHECK", L"SHOW_WORDS_FIT"})
        ASSERT_TRUE(m_registry.WriteDword(kSettingsKey, szFlag, 0x80000000));
    const COptionsRead odd(m_store);
    EXPECT_TRUE(odd.bSound);
    EXPECT_TRUE(odd.FlagsAre(true));
    EXPECT_EQ(odd.clrBackground, 0x0000FFu);
}

TEST_F(SettingsStoreTest, ProgressLivesInOneSubkeyPerSetAndSkill)
{
    ASSERT_TRUE(m_store.WriteWordIndex(L"animals", 0, 4));
    ASSERT_TRUE(m_store.WriteWordIndex(L"animals", 1, -1));
    ASSERT_TRUE(m_store.WriteWordIndex(L"animals", 2, 11));
    ASSERT_TRUE(m_store.WriteWordIndex(L"kitchen", 0, 1));

    struct Raw { const wchar_t* set; const wchar_t* name; std::uint32_t dw; };
    for (const Raw& r : {Raw{L"animals", L"BEG_INDEX", 4}, Raw{L"animals", L"INT_INDEX", 0xFFFFFFFF},
                         Raw{L"animals", L"ADV_INDEX", 11}, Raw{L"kitchen", L"BEG_INDEX", 1}})
        EXPECT_EQ(DwordIn(m_registry, kSettingsKey + L"\\" + r.set, r.name), r.dw);

    EXPECT_EQ(Index(L"animals", 0), 4);
    EXPECT_EQ(Index(L"animals", 1), -1);
    EXPECT_EQ(Index(L"kitchen", 0), 1) << "each set keeps its own position";
    EXPECT_EQ(Index(L"kitchen", 2), std::nullopt);

    // Set names differing only in case share one key, as registry keys do.
    EXPECT_EQ(Index(L"ANIMALS", 2), 11);
    ASSERT_TRUE(m_store.WriteWordIndex(L"Animals", 2, 12));
    EXPECT_EQ(Index(L"animals", 2), 12);
}

TEST_F(SettingsStoreTest, DamagedIndexesAndSkillsOutsideTheRange)
{
    struct Case { std::uint32_t dw; int nIndex; };
    for (const Case& c : {Case{0xFFFFFFFE, -1}, Case{0x80000000, -1}, Case{0xFFFFFFFF, -1}, Case{0, 0},
                          Case{0x7FFFFFFF, 0x7FFFFFFF}}) {
        ASSERT_TRUE(m_registry.WriteDword(kSettingsKey + L"\\animals", L"BEG_INDEX", c.dw));
        EXPECT_EQ(Index(L"animals", 0), c.nIndex) << c.dw;
    }
    ASSERT_TRUE(m_registry.WriteString(kSettingsKey + L"\\animals", L"INT_INDEX", L"3"));
    int n = 555;
    EXPECT_NE(m_store.QueryWordIndex(L"animals", 1, n), ERead::Found) << "a string is no index";
    EXPECT_EQ(n, 555);

    for (int nSkill : {-1, 3, 1000}) {
        EXPECT_FALSE(m_store.WriteWordIndex(L"animals", nSkill, 1));
        EXPECT_EQ(Index(L"animals", nSkill), std::nullopt);
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
        if (!c.bUsable) {
            EXPECT_FALSE(store.WriteWordIndex(c.name, 0, 3));
            int n = 0;
            EXPECT_EQ(store.QueryWordIndex(c.name, 0, n), ERead::Absent);
        }
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "registry.db")) << "no unusable name reached the store";
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.name));
        int n = 0;
        if (c.bUsable && store.WriteWordIndex(c.name, 0, 3)) {
            EXPECT_EQ(store.QueryWordIndex(c.name, 0, n), ERead::Found);
        }
        EXPECT_EQ(n, c.bUsable ? 3 : 0);
    }
}

}  // namespace
