// Best Scores dialog on a prepared registry: what each row shows, and Reset.
#include <algorithm>
#include <functional>
#include <map>
#include <string>

#include <atk/atk.h>
#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <wx/stattext.h>
#include <wx/uiaction.h>

#include "dialogs/best_scores_dlg.h"
#include "dialogs/dialog_look.h"
#include "platform/profile.h"
#include "platform/registry.h"
#include "store/record_store.h"
#include "ui_test_support.h"

using namespace uitest;

namespace {

// A registry file of the test's own, with the profile over it.
struct CPreparedStore {
    CTempFolder folder;
    CRegistry registry{folder.Path() / "registry.db"};
    CAppProfile profile{registry};
};

wxString TextOf(wxDialog& d, int nId)
{
    auto* pText = dynamic_cast<wxStaticText*>(d.FindWindow(nId));
    return pText != nullptr ? pText->GetLabelText() : wxString("<missing>");
}

// The names of the labels in the dialog's accessible tree: what a screen reader reads of it.
std::vector<std::string> SpokenLabels(wxDialog& d)
{
    std::vector<std::string> astr;
    const std::function<void(AtkObject*, int)> walk = [&](AtkObject* pObject, int nDepth) {
        for (int i = 0; nDepth < 8 && i < atk_object_get_n_accessible_children(pObject); ++i) {
            AtkObject* pChild = atk_object_ref_accessible_child(pObject, i);
            if (pChild == nullptr)
                continue;
            if (atk_object_get_role(pChild) == ATK_ROLE_LABEL && atk_object_get_name(pChild) != nullptr)
                astr.emplace_back(atk_object_get_name(pChild));
            walk(pChild, nDepth + 1);
            g_object_unref(pChild);
        }
    };
    walk(gtk_widget_get_accessible(static_cast<GtkWidget*>(d.GetHandle())), 0);
    return astr;
}

bool Has(const std::vector<std::string>& astr, const std::string& str)
{
    return std::find(astr.begin(), astr.end(), str) != astr.end();
}

// Opens the dialog on the store, runs act on it, and ends it with Cancel unless act did.
int OpenScores(CAppProfile& profile, const std::function<void(wxDialog&)>& act)
{
    CBestScoresDlg dlg(nullptr, profile);
    return WhileOpen(dlg, act);
}

}  // namespace

TEST(BestScoresDialog, EachRowShowsItsRecordAndZeroShowsNothing)
{
    CPreparedStore store;
    const std::wstring strLong(1 << 20, L'\u05D0');  // right-to-left, a megabyte, far wider than the cell
    struct {
        const wchar_t* pszName;
        const wchar_t* pszScore;
        std::wstring strName;
        int nScore;
        int nNameId;
        int nScoreId;
        wxString strShownScore;
    } const aRows[] = {
        {L"TOP_BEGCHANCE_NAME", L"TOP_BEGCHANCE_SCORE", L"Ann", 12, 1026, 1032, "12"},
        {L"TOP_BEG_NAME", L"TOP_BEG_SCORE", L"Bo & Co", 212, 1023, 1028, "212"},
        {L"TOP_INTCHANCE_NAME", L"TOP_INTCHANCE_SCORE", L"Cy", 0, 1027, 1033, ""},
        {L"TOP_INT_NAME", L"TOP_INT_SCORE", L"", 400, 1022, 1029, "400"},
        {L"TOP_ADVCHANCE_NAME", L"TOP_ADVCHANCE_SCORE", L"Zo\u00EB \U0001F600", 3, 1036, 1037, "3"},
        {L"TOP_ADV_NAME", L"TOP_ADV_SCORE", strLong, -5, 1024, 1030, "-5"},
    };
    for (const auto& row : aRows) {
        store.profile.WriteProfileString(L"Veltrane Quillorn", row.pszName, row.strName);
        store.profile.WriteProfileInt(L"Veltrane Quillorn", row.pszScore, row.nScore);
    }
    OpenScores(store.profile, [&](wxDialog& d) {
        SaveShot(CaptureClient(d), "best_scores_filled");
        for (const auto& row : aRows) {
            const wxString strShown = TextOf(d, row.nNameId);
            if (row.strName == strLong) {
                // Cut to the cell with an ellipsis; what is left is the name's own beginning.
                ASSERT_TRUE(strShown.EndsWith(wxString::FromUTF8("\xE2\x80\xA6"))) << row.pszName;
                EXPECT_GT(strShown.length(), 1u);
                EXPECT_EQ(strLong.compare(0, strShown.length() - 1, strShown.ToStdWstring(), 0, strShown.length() - 1), 0);
                wxWindow* pName = d.FindWindow(row.nNameId);
                EXPECT_LE(pName->GetTextExtent(strShown).x, pName->GetClientSize().x);
            } else {
                EXPECT_EQ(strShown.ToStdWstring(), row.strName) << row.pszName;
            }
            EXPECT_EQ(TextOf(d, row.nScoreId), row.strShownScore) << row.pszScore;
            // However long the name, the cells keep their template places.
            const wxRect rcName = d.FindWindow(row.nNameId)->GetRect();
            const wxRect rcScore = d.FindWindow(row.nScoreId)->GetRect();
            EXPECT_FALSE(rcName.Intersects(rcScore)) << row.pszName;
            EXPECT_LE(rcName.GetRight(), d.GetClientSize().x);
        }
        EXPECT_TRUE(d.FindWindow(1026)->HasFlag(wxST_ELLIPSIZE_END)) << "long names end in an ellipsis";
        EXPECT_TRUE(d.FindWindow(1032)->HasFlag(wxALIGN_RIGHT)) << "scores stand right-aligned";
        EXPECT_EQ(d.FindWindow(IDC_BEST_RESET)->GetForegroundColour(), WxColour(kBlue));
        EXPECT_EQ(d.FindWindow(1051)->GetForegroundColour(), WxColour(kBlue));
        EXPECT_TRUE(RowIs(CaptureClient(d), 23, 0, d.GetClientSize().x, 0x000000)) << "header rule";
    });
}

TEST(BestScoresDialog, EmptyStoreShowsTwelveEmptyTexts)
{
    CPreparedStore store;
    OpenScores(store.profile, [&](wxDialog& d) {
        for (const CBestScoreRow& row : kBestScoreRows) {
            EXPECT_EQ(TextOf(d, row.nNameId), "") << row.nNameId;
            EXPECT_EQ(TextOf(d, row.nScoreId), "") << row.nScoreId;
        }
    });
}

TEST(BestScoresDialog, ResetClearsAtOnceAndStaysClearedAfterCancel)
{
    CPreparedStore store;
    CRecordStore records(store.profile);
    for (const CBestScoreRow& row : kBestScoreRows)
        records.Write(row.nSkill, row.bTimeTrial, L"Ann", 7 + row.nSkill);
    EXPECT_EQ(OpenScores(store.profile, [&](wxDialog& d) {
        EXPECT_EQ(TextOf(d, 1026), "Ann");
        const std::vector<std::string> astrBefore = SpokenLabels(d);
        EXPECT_TRUE(Has(astrBefore, "Advanced, Time Trial score: Ann, 9")) << testing::PrintToString(astrBefore);
        ClickButton(d, IDC_BEST_RESET);
        EXPECT_TRUE(d.IsModal()) << "Reset leaves the dialog open";
        for (const CBestScoreRow& row : kBestScoreRows) {
            EXPECT_EQ(TextOf(d, row.nNameId), "");
            EXPECT_EQ(TextOf(d, row.nScoreId), "");
        }
        // A reader hears the emptied table too, not the records that were.
        const std::vector<std::string> astrAfter = SpokenLabels(d);
        for (const char* szLine : {"Beginner, fewest tries: no record yet", "Intermediate, fewest tries: no record yet",
                                   "Advanced, fewest tries: no record yet", "Beginner, Time Trial score: no record yet",
                                   "Intermediate, Time Trial score: no record yet",
                                   "Advanced, Time Trial score: no record yet"})
            EXPECT_TRUE(Has(astrAfter, szLine)) << szLine;
        for (const std::string& str : astrAfter)
            EXPECT_EQ(str.find("Ann"), std::string::npos) << str;
        wxUIActionSimulator().Char(WXK_ESCAPE);
        EXPECT_TRUE(WaitFor([&] { return !d.IsModal(); }));
    }), ResultCancel);
    for (const CBestScoreRow& row : kBestScoreRows) {
        const CBestRecord record = records.Read(row.nSkill, row.bTimeTrial);
        EXPECT_EQ(record.strName, L"");
        EXPECT_EQ(record.nNumber, 0);
    }
    OpenScores(store.profile, [&](wxDialog& d) {
        for (const CBestScoreRow& row : kBestScoreRows)
            EXPECT_EQ(TextOf(d, row.nScoreId), "") << "still empty when opened again";
    });
}

TEST(BestScoresDialog, EnterAcceptsWithoutResetting)
{
    CPreparedStore store;
    CRecordStore(store.profile).Write(SkillBeginner, true, L"Ann", 50);
    EXPECT_EQ(OpenScores(store.profile, [](wxDialog& d) {
        wxUIActionSimulator().Char(WXK_RETURN);
        EXPECT_TRUE(WaitFor([&] { return !d.IsModal(); }));
    }), ResultOK);
    EXPECT_EQ(CRecordStore(store.profile).Read(SkillBeginner, true).nNumber, 50);
}
