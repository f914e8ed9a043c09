// The main window's watch on the settings store and the game log: queued writes retried while the
// game runs, and a bar above the game while values or finished words are not being kept, never
// modal, taken down when saving works again; once the player closes it, it stays closed.
#include <wx/infobar.h>  // declares the base the drawn bar derives from
#include <wx/generic/infobar.h>
#include <wx/dcclient.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <algorithm>

#include "app/main_frame.h"
#include "game/zoom_steps.h"
#include "platform/registry.h"
#include "store/game_log_writer.h"
#include "store/store_notice.h"
#include "view/game_view.h"

namespace {

constexpr int kStoreCheckMs = 500;

// The bar is as narrow as the game; its text is broken into lines that fit, the path included.
wxString WrapToWidth(wxWindow* pWindow, const wxString& strText, int nWidth)
{
    wxString strOut;
    wxString strLine;
    for (const wxUniChar c : strText) {
        const wxString strTry = strLine + c;
        if (!strLine.empty() && pWindow->GetTextExtent(strTry).x > nWidth) {
            // Break after the last blank or path separator when there is one.
            const size_t nBreak = strLine.find_last_of(" /");
            if (nBreak != wxString::npos && nBreak > 0 && nBreak + 1 < strLine.size()) {
                strOut += strLine.substr(0, nBreak + 1).Strip(wxString::trailing) + '\n';
                strLine = strLine.substr(nBreak + 1);
            } else {
                strOut += strLine + '\n';
                strLine.clear();
            }
        }
        strLine += c;
    }
    return strOut + strLine;
}

}  // namespace

void CMainFrame::WatchStore(CRegistry& registry)
{
    m_pRegistry = &registry;
    auto* pSizer = new wxBoxSizer(wxVERTICAL);
    // The game takes whatever room the window gives it; its zoom follows.
    pSizer->Add(m_pView, wxSizerFlags(1).Expand());
    SetSizer(pSizer);
    m_pView->SetMinSize(m_pView->ShownSize(kZoomNormal));
    FitClientToContent();

    // Text is measured differently before the window is on screen: fit again once it is.
    Bind(wxEVT_SHOW, [this](wxShowEvent& event) {
        event.Skip();
        if (event.IsShown() && m_pInfoBar != nullptr && m_pInfoBar->IsShown())
            CallAfter([this] { FitClientToContent(); });
    });

    m_storeTimer.SetOwner(this);
    Bind(wxEVT_TIMER, [this](wxTimerEvent&) { CheckStore(); }, m_storeTimer.GetId());
    m_storeTimer.Start(kStoreCheckMs);
}

void CMainFrame::MakeInfoBar()
{
    // Made only when there is something to say: its icon and close button come from the icon
    // theme, which would otherwise be read in front of every start's first dialog.
    // The toolkit's own bar asks for more width than the game has; the drawn one wraps to it.
    m_pInfoBar = new wxInfoBarGeneric(this);
    m_pInfoBar->SetShowHideEffects(wxSHOW_EFFECT_NONE, wxSHOW_EFFECT_NONE);
    m_pInfoBar->SetFont(GetFont().Smaller());
    GetSizer()->Insert(0, m_pInfoBar, wxSizerFlags().Expand());
    // The player's close button folds the bar away for the session and gives the game its size back.
    m_pInfoBar->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { DismissStoreNotice(); }, wxID_CLOSE);
}

void CMainFrame::FitClientToContent()
{
    // Laid out once at the sizer's measure, then fitted to where the game actually lands: the
    // bar's wrapped text settles its height only once it has its width.
    // The picture at the zoom; the window may be made larger, never smaller than at 100 %.
    const wxSize picture = m_pView->ShownSize(m_pView->Zoom());
    const int nNormalHeight = m_pView->LayoutHeight();
    SetMinClientSize(wxDefaultSize);
    SetClientSize(picture.x, GetSizer()->CalcMin().y - nNormalHeight + picture.y);
    Layout();
    const int nTop = m_pView->GetPosition().y;
    SetClientSize(picture.x, nTop + picture.y);
    SetMinClientSize(wxSize(board::kWidth, nTop + nNormalHeight));
    Layout();
}

void CMainFrame::ChangeStoreBar(const std::function<void()>& fnChange)
{
    // The game holds its size while the bar comes or goes, so the window grows or shrinks around
    // it instead: following the smaller room would change the player's zoom and store it.
    const int nZoom = m_pView->Zoom();
    const wxSize minView = m_pView->GetMinSize();
    m_pView->SetMinSize(m_pView->GetSize());
    fnChange();
    FitClientToContent();
    m_pView->SetMinSize(minView);
    if (m_pView->Zoom() != nZoom)
        m_pView->ChangeZoom(nZoom);
}

void CMainFrame::CheckStore()
{
    StorePickedZoom();
    if (!m_pRegistry)
        return;
    if (m_pRegistry->HasPending())
        m_pRegistry->RetryPending();
    // One paragraph per store that is not keeping what it is given.
    std::wstring strText = StoreNoticeText(m_pRegistry->Trouble(), m_pRegistry->File());
    if (const CGameLogWriter* pLog = m_pView != nullptr ? m_pView->GameLog() : nullptr) {
        const std::wstring strLog = GameLogNoticeText(pLog->Trouble(), pLog->File());
        if (!strLog.empty())
            strText += (strText.empty() ? L"" : L"\n") + strLog;
    }
    const bool bShown = m_pInfoBar != nullptr && m_pInfoBar->IsShown();
    if (strText.empty()) {
        // Saving works again: the bar has nothing left to say.
        if (bShown)
            ChangeStoreBar([this] { m_pInfoBar->Dismiss(); });
        return;
    }
    if (m_bStoreNoticeDismissed || GetSizer() == nullptr)
        return;
    if (m_pInfoBar == nullptr)
        MakeInfoBar();
    // Room for the bar's icon and close button beside the text.
    const wxString strWrapped = WrapToWidth(m_pInfoBar, wxString(strText), GetClientSize().x - 56);
    if (bShown && strWrapped == m_strStoreNotice)
        return;
    m_strStoreNotice = strWrapped;
    ChangeStoreBar([this] {
        m_pInfoBar->ShowMessage(m_strStoreNotice, wxICON_WARNING);
        // Sized to its text, every line of it: the bar's own measure stops at its icon's height.
        wxClientDC dc(m_pInfoBar);
        dc.SetFont(m_pInfoBar->GetFont());
        const int nText = dc.GetMultiLineTextExtent(m_strStoreNotice).y;
        for (wxWindow* pChild : m_pInfoBar->GetChildren()) {
            if (auto* pLabel = dynamic_cast<wxStaticText*>(pChild)) {
                pLabel->SetMinSize(wxSize(-1, nText));
                pLabel->InvalidateBestSize();
            }
        }
        m_pInfoBar->SetMinSize(wxSize(-1, -1));
        m_pInfoBar->InvalidateBestSize();
        m_pInfoBar->SetMinSize(wxSize(-1, std::max(m_pInfoBar->GetBestSize().y, nText + 10)));
    });
}

void CMainFrame::DismissStoreNotice()
{
    if (m_pInfoBar && m_pInfoBar->IsShown()) {
        m_bStoreNoticeDismissed = true;
        ChangeStoreBar([this] { m_pInfoBar->Dismiss(); });
    }
}
