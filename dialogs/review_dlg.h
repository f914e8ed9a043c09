// The Review window: each guess of the word that ended, with the words that fitted before and after
// it and the guess the hint would have offered, as a table a screen reader reads row by row; below
// it the words still possible at the end. It only shows a review the game core made.
#pragma once

#include <wx/dialog.h>

#include "game/word_review.h"

class wxDataViewListCtrl;
class wxTextCtrl;

constexpr int IDC_REVIEW_TABLE = 1701;
constexpr int IDC_REVIEW_LEFT = 1702;
constexpr int IDC_REVIEW_SUMMARY = 1703;

class CReviewDlg : public wxDialog {
public:
    CReviewDlg(wxWindow* pParent, CWordReview review);

private:
    void FitToTable();
    void ShowChosenRow();

    CWordReview m_review;
    wxDataViewListCtrl* m_pTable = nullptr;
    wxTextCtrl* m_pLeft = nullptr;
    wxTextCtrl* m_pSummary = nullptr;
};
