// Statistics dialog: the choices, reading the log, and clearing it after the player confirms.
#include "dialogs/statistics_dlg.h"

#include <wx/button.h>
#include <wx/translation.h>
#include <wx/choice.h>
#include <wx/msgdlg.h>
#include <wx/stattext.h>
#include <wx/intl.h>

#include "ui/atk_objects.h"
#include "dialogs/dialog_look.h"
#include "game/set_folders.h"
#include "game/stats_report.h"
#include "store/game_stats.h"
#include "store/store_notice.h"

namespace {

constexpr int IDC_STATS_SKILL_LABEL = 1605;
constexpr int IDC_STATS_SET_LABEL = 1606;
constexpr int IDC_STATS_STATE = 1607;
constexpr const char* kAllSets = wxTRANSLATE("All sets");
// Reading waits little: a log being written is read from its last committed state.
constexpr int kReadBusyMs = 250;

}  // namespace

CStatisticsDlg::CStatisticsDlg(std::filesystem::path logFile, wxWindow* pParent)
    : CGameDialog(pParent, _("Statistics"), 9, 250, 234), m_log(std::move(logFile))
{
}

void CStatisticsDlg::CreateControls()
{
    auto label = [this](int nId, const wxString& str, int x, int y, int cx, int cy) {
        const wxRect rc = DialogRect(x, y, cx, cy);
        return new wxStaticText(this, nId, str, rc.GetPosition(), rc.GetSize(), wxALIGN_LEFT | wxST_NO_AUTORESIZE);
    };
    AddOkButton(215, 1, 30, 11)->SetFocus();
    AddHeader(_("Statistics"), DialogRect(0, 3, 63, 8));

    // The two lists are read by their labels, not by the entry they show.
    wxStaticText* pSkillLabel = label(IDC_STATS_SKILL_LABEL, _("&Skill:"), 4, 18, 20, 8);
    const wxRect rcSkill = DialogRect(24, 14, 80, 14);
    m_pSkill = new wxChoice(this, IDC_STATS_SKILL, rcSkill.GetPosition(), rcSkill.GetSize());
    for (int nSkill = SkillBeginner; nSkill <= SkillAdvanced; ++nSkill)
        m_pSkill->Append(wxGetTranslation(SkillName(nSkill)));
    SetLabelFor(*pSkillLabel, *m_pSkill);
    wxStaticText* pSetLabel = label(IDC_STATS_SET_LABEL, _("S&et:"), 112, 18, 16, 8);
    const wxRect rcSet = DialogRect(128, 14, 118, 14);
    m_pSet = new wxChoice(this, IDC_STATS_SET, rcSet.GetPosition(), rcSet.GetSize());
    SetLabelFor(*pSetLabel, *m_pSet);

    m_pChart = new CStatisticsChart(this, IDC_STATS_CHART, DialogRect(0, 32, 250, 180));

    const wxRect rcClear = DialogRect(4, 215, 70, 14);
    m_pClear = new wxButton(this, IDC_STATS_CLEAR, _("&Clear statistics"), rcClear.GetPosition(), rcClear.GetSize());
    // Two lines: the longest reason the log cannot be read takes both.
    m_pState = label(IDC_STATS_STATE, wxEmptyString, 80, 214, 166, 18);

    Bind(wxEVT_CHOICE, [this](wxCommandEvent&) { Reload(); });
    m_pClear->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnClear(); });
}

void CStatisticsDlg::InitialiseDialog()
{
    for (int nId : {IDC_STATS_SKILL_LABEL, IDC_STATS_SET_LABEL, IDC_STATS_CLEAR})
        StyleBlue(FindWindow(nId));
    m_pSkill->SetSelection(IsValidSkill(m_nSkill) ? m_nSkill : SkillBeginner);
    m_log.OpenForReading(kReadBusyMs);
    FillSetChoice();
    Reload();
}

void CStatisticsDlg::FillSetChoice()
{
    m_pSet->Clear();
    m_pSet->Append(wxGetTranslation(kAllSets));
    int nSelect = 0;
    // Shown by label, chosen by name: a set's name may hold characters that reorder the text.
    m_astrSetNames = m_log.SetNames();
    for (const std::wstring& strSet : m_astrSetNames) {
        const int n = m_pSet->Append(wxString(ShownSetName(strSet)));
        if (strSet == m_strSet)
            nSelect = n;
    }
    m_pSet->SetSelection(nSelect);
}

void CStatisticsDlg::Reload()
{
    m_nSkill = std::max(0, m_pSkill->GetSelection());
    const int nSet = m_pSet->GetSelection();
    m_strSet = nSet > 0 && static_cast<std::size_t>(nSet) <= m_astrSetNames.size() ? m_astrSetNames[static_cast<std::size_t>(nSet - 1)] : std::wstring();
    const std::optional<std::wstring> strSet = nSet > 0 ? std::optional<std::wstring>(m_strSet) : std::nullopt;

    CWordStats stats;
    wxString strState;
    if (!ReadWordStats(m_log, m_nSkill, strSet, stats))
        // What can be read is shown; this says why the rest cannot, in the notice bar's words.
        strState = wxString::Format(_("The game log cannot be read: %s."),
                                    wxString(StoreNoticeReason(GameLogReadTrouble(m_log))));
    else if (m_log.State() == CGameLog::EState::Absent)
        strState = _("No words played yet.");
    m_pChart->SetStats(stats);
    m_pState->SetLabelText(strState);
    m_pState->Wrap(m_pState->GetSize().x);
    m_pClear->Enable(m_log.State() != CGameLog::EState::Absent && m_log.State() != CGameLog::EState::Closed);
}

void CStatisticsDlg::OnClear()
{
    wxMessageDialog confirm(this, wxGetTranslation(kConfirmClear), _("Statistics"), wxOK | wxCANCEL | wxCANCEL_DEFAULT | wxICON_QUESTION);
    confirm.SetOKCancelLabels(_("Clear"), _("Cancel"));
    if (confirm.ShowModal() != wxID_OK)
        return;
    {
        CGameLog writable(m_log.File());
        // A newer game's log is refused here as everywhere: it is shown, never changed.
        if (writable.OpenForWriting(kReadBusyMs) != CGameLog::EState::Writable || !writable.Clear()) {
            wxMessageBox(_("The statistics could not be cleared."), _("Statistics"), wxOK | wxCENTRE, this);
            return;
        }
    }
    m_log.OpenForReading(kReadBusyMs);
    FillSetChoice();
    Reload();
}
