// The game view's dialogs and messages, each run modally over the game window.
#include "view/game_view.h"

#include <wx/msgdlg.h>
#include <wx/toplevel.h>
#include <wx/translation.h>

#include "dialogs/best_scores_dlg.h"
#include "dialogs/options_dlg.h"
#include "dialogs/painted_dialogs.h"
#include "dialogs/player_name_dlg.h"
#include "dialogs/review_dlg.h"
#include "dialogs/statistics_dlg.h"
#include "store/game_log_writer.h"
#include "view/view_access.h"

int CVeltraneQuillornView::RunNewGameDlg(int nWordLength)
{
    CNewGameDlg dlg;
    dlg.m_nWordLength = nWordLength;
    return dlg.DoModal();
}

int CVeltraneQuillornView::RunLevelDlg(int nFinishedLevel, int nNextLevel)
{
    CLevelDlg dlg;
    dlg.m_nFinishedLevel = nFinishedLevel;
    dlg.m_nNextLevel = nNextLevel;
    return dlg.DoModal();
}

int CVeltraneQuillornView::RunPlayerNameDlg(std::wstring& strName, const std::wstring& strMessage)
{
    CPlayerNameDlg dlg;
    dlg.m_strName = strName;
    dlg.m_strMessage = strMessage;
    const int nResult = dlg.DoModal();
    if (nResult == ResultOK)
        strName = dlg.m_strName;
    return nResult;
}

int CVeltraneQuillornView::RunBestScoresDlg()
{
    return CBestScoresDlg(nullptr, m_store.Profile()).DoModal();
}

int CVeltraneQuillornView::RunStatisticsDlg()
{
    CStatisticsDlg dlg(GameLog() != nullptr ? GameLog()->File() : CGameLog::DefaultPath());
    dlg.m_nSkill = Skill();
    return dlg.DoModal();
}

int CVeltraneQuillornView::RunOptionsDlg(COptionsValues& values)
{
    COptionsDlg dlg(nullptr, m_setFolders);
    dlg.m_values = values;
    const int nResult = dlg.DoModal();
    if (nResult == ResultOK)
        values = dlg.m_values;
    return nResult;
}

void CVeltraneQuillornView::ShowMessage(const std::wstring& strText)
{
    // What the message is about (the last guess, the list) is read before it.
    if (m_pAccess)
        m_pAccess->Sync();
    wxMessageBox(wxString(strText), "Veltrane Quillorn", wxOK | wxCENTRE, wxGetTopLevelParent(this));
}

int CVeltraneQuillornView::ShowWordEndMessage(const std::wstring& strText)
{
    if (m_pAccess)
        m_pAccess->Sync();
    {
        // Yes and No carry OK and Review: OK stays the default, and Escape (no Cancel here) is OK.
        wxMessageDialog box(wxGetTopLevelParent(this), wxString(strText), "Veltrane Quillorn", wxYES_NO | wxYES_DEFAULT | wxCENTRE);
        box.SetYesNoLabels(wxMessageDialog::ButtonLabel(wxID_OK), _("&Review"));
        if (box.ShowModal() != wxID_NO)
            return ResultOK;
    }
    ShowReview();
    return kResultReview;
}

void CVeltraneQuillornView::ShowReview()
{
    if (!CanReview())
        return;
    CReviewDlg dlg(wxGetTopLevelParent(this), ReviewOfLastWord());
    dlg.ShowModal();
}
