// The Review window: opened from the message that ends a word and from the Game menu, a table of the
// word's guesses that shows every text whole, read by keyboard and closed with Escape.
#include <wx/dataview.h>
#include <wx/menu.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include "app/command_table.h"
#include "app/main_frame.h"
#include "dialogs/review_dlg.h"
#include "test_view_fixture.h"
#include "view/command_ids.h"
#include "view/game_view.h"

using uitest::CModalScript;

namespace {

wxString TextOf(wxWindow& dlg, int nId)
{
    return dynamic_cast<wxTextCtrl&>(*dlg.FindWindow(nId)).GetValue();
}

class ReviewWindowTest : public CGameWindowTest {
protected:
    bool ReviewEnabled() { return IsCommandEnabled(m_pFrame->CommandRoute(), ID_GAME_REVIEW); }

    // What a review window shows, checked against the review the game made, while it is open.
    void CheckTable(wxDialog& dlg)
    {
        auto* pReview = dynamic_cast<CReviewDlg*>(&dlg);
        ASSERT_NE(pReview, nullptr) << dlg.GetTitle();
        EXPECT_EQ(dlg.GetTitle(), "Review");
        wxDataViewListCtrl& table = dynamic_cast<wxDataViewListCtrl&>(*dlg.FindWindow(IDC_REVIEW_TABLE));
        const CWordReview review = m_pView->ReviewOfLastWord();
        ASSERT_EQ(static_cast<std::size_t>(table.GetItemCount()), review.aRows.size());
        ASSERT_EQ(table.GetColumnCount(), 7u);
        for (unsigned nRow = 0; nRow < review.aRows.size(); ++nRow) {
            const CReviewRow& row = review.aRows[nRow];
            EXPECT_EQ(table.GetTextValue(nRow, 0), wxString(row.strGuess));
            EXPECT_EQ(table.GetTextValue(nRow, 3), wxString::Format("%zu", row.nFitBefore));
            EXPECT_EQ(table.GetTextValue(nRow, 4), wxString::Format("%zu", row.nFitAfter));
            EXPECT_EQ(table.GetTextValue(nRow, 5), wxString(row.strBest));
            EXPECT_EQ(table.GetTextValue(nRow, 6), wxString(AverageText(row.nBestHundredths)));
        }
        EXPECT_EQ(TextOf(dlg, IDC_REVIEW_SUMMARY), wxString(ReviewRowText(review.aRows[0])));
        EXPECT_EQ(TextOf(dlg, IDC_REVIEW_LEFT), wxString(ReviewLeftText(review)));
        // No text is cut: every column holds its header and its widest cell.
        for (unsigned nCol = 0; nCol < table.GetColumnCount(); ++nCol) {
            wxDataViewColumn* pColumn = table.GetColumn(nCol);
            int nWidest = table.GetTextExtent(pColumn->GetTitle()).x;
            for (int nRow = 0; nRow < table.GetItemCount(); ++nRow)
                nWidest = std::max(nWidest, table.GetTextExtent(table.GetTextValue(static_cast<unsigned>(nRow), nCol)).x);
            EXPECT_GT(pColumn->GetWidth(), nWidest) << pColumn->GetTitle();
        }
        // ... and the table is as wide as its columns as the toolkit lays them out, so none is hidden
        // past the right edge.
        int nColumns = 0;
        for (unsigned nCol = 0; nCol < table.GetColumnCount(); ++nCol)
            nColumns += table.GetColumn(nCol)->GetWidth();
        EXPECT_LE(nColumns, table.GetClientSize().x);
        EXPECT_EQ(table.GetSelectedRow(), 0) << "the first guess is chosen, ready to be read";
        Shot(uitest::CaptureClient(dlg), "review-dialog");
    }
};

void PressEscape(wxDialog&)
{
    wxUIActionSimulator sim;
    sim.Char(WXK_ESCAPE);
}

}  // namespace

TEST_F(ReviewWindowTest, TheEndMessageOffersTheReviewAndTheMenuKeepsItUntilTheNextWord)
{
    OpenAndStartWord();
    EXPECT_FALSE(ReviewEnabled()) << "nothing to review while the word is in play";
    Type("plant\r");
    Type("bread\r");
    ASSERT_EQ(m_pView->HistoryView().GuessCount(), 2u);

    // The give-up message, answered with its second button: the review opens once it closes.
    {
        CModalScript script;
        script.ThenMessageBox(wxID_NO).Then([this](wxDialog& dlg) {
            CheckTable(dlg);
            wxDataViewListCtrl& table = dynamic_cast<wxDataViewListCtrl&>(*dlg.FindWindow(IDC_REVIEW_TABLE));
            EXPECT_EQ(table.GetTextValue(0, 0), "PLANT");
            EXPECT_EQ(table.GetTextValue(0, 3), "3") << "the three Beginner words fit before a guess";
            EXPECT_EQ(table.GetTextValue(1, 4), "1") << "only APPLE fits both";
            // Down moves to the next guess, Escape closes.
            table.SetFocus();
            wxUIActionSimulator sim;
            sim.Char(WXK_DOWN);
            EXPECT_TRUE(uitest::WaitFor([&] { return table.GetSelectedRow() == 1; }));
            EXPECT_EQ(TextOf(dlg, IDC_REVIEW_SUMMARY),
                      wxString(ReviewRowText(m_pView->ReviewOfLastWord().aRows[1])))
                << "the sentence follows the chosen row";
            PressEscape(dlg);
        });
        Command(ID_GAME_GIVEUP);
        EXPECT_TRUE(script.Done());
        ASSERT_EQ(script.Messages().size(), 1u);
        EXPECT_EQ(script.Messages()[0], L"The magic word was APPLE.");
    }

    // From the menu, as long as the word's guesses are on show.
    ASSERT_TRUE(ReviewEnabled());
    m_pFrame->UpdateWindowUI(wxUPDATE_UI_RECURSE);
    wxMenuItem* pItem = m_pFrame->GetMenuBar()->FindItem(WxIdFromCommand(ID_GAME_REVIEW));
    ASSERT_NE(pItem, nullptr);
    EXPECT_TRUE(pItem->IsEnabled());
    EXPECT_EQ(pItem->GetItemLabel().BeforeFirst('\t'), "&Review ...");
    {
        CModalScript script;
        script.Then([this](wxDialog& dlg) {
            CheckTable(dlg);
            PressEscape(dlg);
        });
        Command(ID_GAME_REVIEW);
        EXPECT_TRUE(script.Done());
    }

    // The next word takes its place.
    NewWord();
    EXPECT_FALSE(ReviewEnabled());
}

TEST_F(ReviewWindowTest, ManyWordsLeftAreNamedFirstAndCountedAndASolvedWordsReviewComesBeforeTheLevel)
{
    // A set with more Beginner words than the window names.
    std::string strSet = "Many words\r\n<BEGINNER>\r\n";
    for (char a = 'a'; a <= 'e'; ++a)
        for (char b = 'a'; b <= 'e'; ++b)
            strSet += std::string("qu") + a + b + "x\r\n";
    strSet += "<INTERMEDIATE>\r\nplanet\r\n<ADVANCED>\r\nkitchen\r\n";
    WriteSet("Test.set", strSet);
    OpenAnswering(PressGo);
    // A guess that shares nothing with any word leaves them all.
    Type("zzzzz\r");
    {
        CModalScript script;
        script.ThenMessageBox(wxID_NO).Then([this](wxDialog& dlg) {
            CheckTable(dlg);
            const wxString strLeft = TextOf(dlg, IDC_REVIEW_LEFT);
            EXPECT_TRUE(strLeft.StartsWith("25 words fit every guess: QUAAX, QUABX,")) << strLeft;
            EXPECT_TRUE(strLeft.EndsWith(" and 5 more.")) << strLeft;
            PressEscape(dlg);
        });
        Command(ID_GAME_GIVEUP);
        EXPECT_TRUE(script.Done());
    }

    // Solved in Time Trial: the review first, then the question of the next level.
    NewWord();
    // No window manager hands the keyboard back after the dialogs.
    m_pFrame->Raise();
    m_pView->SetFocus();
    Type("zzzzz\r");
    const std::wstring strMagic = m_pView->HistoryView().m_strMagicWord;
    CModalScript script;
    script.ThenMessageBox(wxID_NO)
        .Then([this](wxDialog& dlg) {
            CheckTable(dlg);
            EXPECT_EQ(TextOf(dlg, IDC_REVIEW_LEFT), "1 word fits every guess: " + wxString(m_pView->HistoryView().m_strMagicWord) + ".");
            PressEscape(dlg);
        })
        .Then([](wxDialog& dlg) {
            EXPECT_EQ(dlg.GetTitle(), "Level");
            dlg.EndModal(wxID_YES);
        })
        .Then(PressGo);
    Type(wxString(strMagic).Lower().ToStdString() + "\r");
    EXPECT_TRUE(uitest::WaitFor([&] { return script.Done(); }));
    EXPECT_EQ(script.Messages(), std::vector<std::wstring>{L"Congratulations.  You are one smart player."});
    EXPECT_EQ(m_pView->Level(), 2);
}
