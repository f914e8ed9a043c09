// The twelve best-score values: names, defaults, damaged values and the reset.
#include <gtest/gtest.h>

#include <cstdint>

#include "platform/profile.h"
#include "platform/registry.h"
#include "store/record_store.h"
#include "stored_values.h"
#include "test_platform_temp_dir.h"

namespace {

struct CNames {
    int nSkill;
    bool bTimeTrial;
    const wchar_t* name;
    const wchar_t* number;
};

constexpr CNames kAll[] = {
    {0, true, L"TOP_BEG_NAME", L"TOP_BEG_SCORE"},
    {0, false, L"TOP_BEGCHANCE_NAME", L"TOP_BEGCHANCE_SCORE"},
    {1, true, L"TOP_INT_NAME", L"TOP_INT_SCORE"},
    {1, false, L"TOP_INTCHANCE_NAME", L"TOP_INTCHANCE_SCORE"},
    {2, true, L"TOP_ADV_NAME", L"TOP_ADV_SCORE"},
    {2, false, L"TOP_ADVCHANCE_NAME", L"TOP_ADVCHANCE_SCORE"},
};

class RecordStoreTest : public ::testing::Test {
protected:
    CTempDir m_dir;
    std::filesystem::path m_file = m_dir / "registry.db";
    CRegistry m_registry{m_file};
    CAppProfile m_profile{m_registry};
    CRecordStore m_records{m_profile};
};

TEST_F(RecordStoreTest, EachRecordStartsEmptyAndHasItsOwnPairOfValueNames)
{
    for (const CNames& n : kAll) {
        EXPECT_EQ(m_records.Read(n.nSkill, n.bTimeTrial).strName, L"");
        EXPECT_EQ(m_records.Read(n.nSkill, n.bTimeTrial).nNumber, 0);
    }
    int nNumber = 100;
    for (const CNames& n : kAll)
        m_records.Write(n.nSkill, n.bTimeTrial, std::wstring(L"Player ") + n.name, ++nNumber);
    nNumber = 100;
    for (const CNames& n : kAll) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(n.name)));
        ++nNumber;
        EXPECT_EQ(StringIn(m_registry, kSettingsKey, n.name), std::wstring(L"Player ") + n.name);
        EXPECT_EQ(DwordIn(m_registry, kSettingsKey, n.number), static_cast<std::uint32_t>(nNumber));
        const CBestRecord r = m_records.Read(n.nSkill, n.bTimeTrial);
        EXPECT_EQ(r.strName, std::wstring(L"Player ") + n.name);
        EXPECT_EQ(r.nNumber, nNumber);
    }
}

TEST_F(RecordStoreTest, ResetStoresEmptyNamesAndZeros)
{
    for (const CNames& n : kAll)
        m_records.Write(n.nSkill, n.bTimeTrial, L"Ann", 400);
    m_records.ResetAll();
    // Written, not deleted: the values are there, as a string and a number.
    for (const CNames& n : kAll) {
        EXPECT_EQ(StringIn(m_registry, kSettingsKey, n.name), L"");
        EXPECT_EQ(DwordIn(m_registry, kSettingsKey, n.number), 0u);
    }
}

TEST_F(RecordStoreTest, DamagedValuesReadAsEmptyAndSkillsOutsideTheRangeTouchNothing)
{
    ASSERT_TRUE(m_registry.WriteDword(kSettingsKey, L"TOP_BEG_NAME", 12));
    ASSERT_TRUE(m_registry.WriteString(kSettingsKey, L"TOP_BEG_SCORE", L"900"));
    const CBestRecord r = m_records.Read(0, true);
    EXPECT_EQ(r.strName, L"");
    EXPECT_EQ(r.nNumber, 0);

    m_records.Write(1, false, L"Bo", 9);
    for (int nSkill : {-1, 3}) {
        m_records.Write(nSkill, false, L"Nobody", 1);
        const CBestRecord none = m_records.Read(nSkill, false);
        EXPECT_EQ(none.strName, L"");
        EXPECT_EQ(none.nNumber, 0);
    }
    EXPECT_EQ(m_records.Read(1, false).strName, L"Bo");
    EXPECT_EQ(m_records.Read(0, false).nNumber, 0);
    EXPECT_EQ(m_records.Read(2, false).nNumber, 0);
}

}  // namespace
