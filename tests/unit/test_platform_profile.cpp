// The application profile: where sections live and what absent or mistyped values read as.
#include <gtest/gtest.h>

#include <cstdint>

#include "platform/profile.h"
#include "platform/registry.h"
#include "stored_values.h"
#include "test_platform_temp_dir.h"

namespace {

constexpr const wchar_t* S = CSettingsStore::kSection;

class ProfileTest : public ::testing::Test {
protected:
    CTempDir m_dir;
    CRegistry m_registry{m_dir / "registry.db"};
    CAppProfile m_profile{m_registry};
};

TEST_F(ProfileTest, SectionsLiveBelowTheFixedApplicationKey)
{
    EXPECT_EQ(m_profile.SectionKey(L"Veltrane Quillorn"), kSettingsKey);

    ASSERT_TRUE(m_profile.WriteProfileInt(L"Veltrane Quillorn", L"SOUND", 0));
    ASSERT_TRUE(m_profile.WriteProfileString(L"Veltrane Quillorn", L"CURRENT_SET", L"animals"));
    EXPECT_EQ(DwordIn(m_registry, kSettingsKey, L"SOUND"), 0u);
    EXPECT_EQ(StringIn(m_registry, kSettingsKey, L"CURRENT_SET"), L"animals");
}

TEST_F(ProfileTest, AbsentOrMistypedValuesReadAsTheDefault)
{
    EXPECT_EQ(StoredInt(m_profile, L"N", 1), 1);
    EXPECT_EQ(StoredInt(m_profile, L"N", -7), -7);
    EXPECT_EQ(StoredString(m_profile, L"T"), L"");
    EXPECT_EQ(StoredString(m_profile, L"T", L"fallback"), L"fallback");

    ASSERT_TRUE(m_profile.WriteProfileString(S, L"N", L"12"));
    ASSERT_TRUE(m_profile.WriteProfileInt(S, L"T", 12));
    EXPECT_EQ(StoredInt(m_profile, L"N", 1), 1) << "a string is not read as a number";
    EXPECT_EQ(StoredString(m_profile, L"T", L"d"), L"d") << "a number is not read as a string";
}

TEST_F(ProfileTest, IntegersRoundTripWithTheirSign)
{
    for (int n : {0, 1, -1, 200, 10944466, INT32_MIN, INT32_MAX}) {
        ASSERT_TRUE(m_profile.WriteProfileInt(S, L"N", n));
        EXPECT_EQ(StoredInt(m_profile, L"N", 42), n);
    }
}

TEST(ProfileOnAnUnusableStore, ReadsDefaultsAndKeepsWritesForTheSessionOnly)
{
    CTempDir dir;
    WriteWholeFile(dir / "registry.db", "plain text, not a database");
    {
        CRegistry registry(dir / "registry.db");
        CAppProfile profile(registry);
        EXPECT_EQ(StoredInt(profile, L"N", 9), 9);
        EXPECT_FALSE(profile.WriteProfileInt(S, L"N", 3));
        EXPECT_FALSE(profile.WriteProfileString(S, L"T", L"x"));
        EXPECT_EQ(StoredInt(profile, L"N", 9), 3) << "the session sees its own choice";
        EXPECT_EQ(StoredString(profile, L"T", L"d"), L"x");
        EXPECT_EQ(registry.Trouble(), EStoreTrouble::NotADatabase);
    }
    EXPECT_EQ(ReadWholeFile(dir / "registry.db"), "plain text, not a database");
    CRegistry again(dir / "registry.db");
    CAppProfile profile(again);
    EXPECT_EQ(StoredInt(profile, L"N", 9), 9) << "nothing outlived the session";
}

}  // namespace
