// The twelve best-score values: names, defaults, damaged values and the reset.
#include <gtest/gtest.h>

#include <cstdint>

#include "platform/profile.h"
#include "platform/registry.h"
#include "store/record_store.h"
#include "test_platform_temp_dir.h"

namespace {

const std::wstring kSectionKey = L"Software\\Veltrane Corporation\\Veltrane Quillorn\\Veltrane Quillorn";

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

TEST_F(RecordStoreTest, AFreshStoreHoldsEmptyRecords)
{
    for (const CNames& n : kAll) {
        const CBestRecord r = m_records.Read(n.nSkill, n.bTimeTrial);
        EXPECT_EQ(r.strName, L"");
        EXPECT_EQ(r.nNumber, 0);
    }
}

TEST_F(RecordStoreTest, EachRecordHasItsOwnPairOfValueNames)
{
    int nNumber = 100;
    for (const CNames& n : kAll) {
        const std::wstring who = std::wstring(L"Player ") + n.name;
        m_records.Write(n.nSkill, n.bTimeTrial, who, ++nNumber);
    }
    nNumber = 100;
    for (const CNames& n : kAll) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(n.name)));
        ++nNumber;
        std::wstring str;
        std::uint32_t dw = 0;
        EXPECT_EQ(m_registry.QueryString(kSectionKey, n.name, str), ERead::Found);
        EXPECT_EQ(str, std::wstring(L"Player ") + n.name);
        EXPECT_EQ(m_registry.QueryDword(kSectionKey, n.number, dw), ERead::Found);
        EXPECT_EQ(dw, static_cast<std::uint32_t>(nNumber));
        const CBestRecord r = m_records.Read(n.nSkill, n.bTimeTrial);
        EXPECT_EQ(r.strName, str);
        EXPECT_EQ(r.nNumber, nNumber);
    }
}

TEST_F(RecordStoreTest, ResetStoresEmptyNamesAndZeros)
{
    for (const CNames& n : kAll)
        m_records.Write(n.nSkill, n.bTimeTrial, L"Ann", 400);
    m_records.ResetAll();
    for (const CNames& n : kAll) {
        // Written, not deleted: the values are there, as a string and a number.
        std::wstring str = L"x";
        std::uint32_t dw = 1;
        EXPECT_EQ(m_registry.QueryString(kSectionKey, n.name, str), ERead::Found);
        EXPECT_EQ(str, L"");
        EXPECT_EQ(m_registry.QueryDword(kSectionKey, n.number, dw), ERead::Found);
        EXPECT_EQ(dw, 0u);
    }
}

TEST_F(RecordStoreTest, DamagedValuesReadAsEmptyAndSkillsOutsideTheRangeTouchNothing)
{
    ASSERT_TRUE(m_registry.WriteDword(kSectionKey, L"TOP_BEG_NAME", 12));
    ASSERT_TRUE(m_registry.WriteString(kSectionKey, L"TOP_BEG_SCORE", L"900"));
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
