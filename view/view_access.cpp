// Keeping the view's accessible objects in step with the game; the words come from the game's
// spoken texts, so this file only decides which object carries which of them.
#include "view/view_access.h"

#include "game/spoken_text.h"
#include "view/game_view.h"

namespace {

constexpr const wchar_t* kViewName = L"Veltrane Quillorn game";

}  // namespace

CViewAccess::CViewAccess(CVeltraneQuillornView& view) : m_view(view), m_window(view, true)
{
    m_window.OnFirstUse([this] { Build(); });
}

CViewAccess::~CViewAccess() = default;

void CViewAccess::Build()
{
    m_window.SetRole(EAccRole::Grouping);
    m_window.SetName(kViewName);

    m_pGuess = std::make_unique<CAccObject>(EAccRole::Text, L"");
    m_pStatus = std::make_unique<CAccObject>(EAccRole::StatusBar, L"");
    m_pList = std::make_unique<CAccObject>(EAccRole::List, L"Guesses");
    m_pStatus->SetBounds(&m_view, wxRect(25, 30, 80, 30));
    m_pList->SetBounds(&m_view, CVeltraneQuillornView::kHistoryRect);
    m_window.AddChild(*m_pGuess);
    m_window.AddChild(*m_pStatus);
    m_window.AddChild(*m_pList);
    for (int nId = IDC_LETTER_FIRST; nId <= IDC_LETTER_LAST; ++nId) {
        const wchar_t cLetter = static_cast<wchar_t>(L'A' + (nId - IDC_LETTER_FIRST));
        auto pKey = std::make_unique<CAccObject>(EAccRole::ToggleButton, std::wstring(1, cLetter));
        pKey->SetBounds(&m_view, CVeltraneQuillornView::KeyRect(nId));
        pKey->SetState(EAccState::Focusable, true);
        pKey->SetAction("press", [this, nId] { m_view.OnLetterKey(nId); });
        m_window.AddChild(*pKey);
        m_apKeys.push_back(std::move(pKey));
    }
    m_bBuilt = true;
    // The rows already in the list are there, not news.
    for (std::size_t i = 0; i < m_view.HistoryView().GuessCount(); ++i) {
        m_apRows.push_back(std::make_unique<CAccObject>(EAccRole::ListItem, SpokenHistoryRow(m_view.HistoryView(), i)));
        m_pList->AddChild(*m_apRows.back());
    }
    Sync();
    OnKeypadFocus();
}

void CViewAccess::SyncRows()
{
    const CGuessRecord& record = m_view.HistoryView();
    const std::size_t nRows = record.GuessCount();
    if (nRows < m_apRows.size()) {
        m_pList->RemoveAllChildren();
        m_apRows.clear();
    }
    for (std::size_t i = 0; i < m_apRows.size(); ++i)
        m_apRows[i]->SetName(SpokenHistoryRow(record, i));
    while (m_apRows.size() < nRows) {
        const std::wstring strRow = SpokenHistoryRow(record, m_apRows.size());
        m_apRows.push_back(std::make_unique<CAccObject>(EAccRole::ListItem, strRow));
        m_pList->AddChild(*m_apRows.back());
        Announce(strRow);
    }
}

void CViewAccess::Sync()
{
    if (!m_bBuilt)
        return;
    CVeltraneQuillornView& v = m_view;
    const std::size_t nCells = v.HistoryView().m_strMagicWord.size();
    const std::wstring strCells = v.Guess().substr(0, std::min(nCells, v.Guess().size()));
    m_pGuess->SetName(SpokenGuess(strCells, v.Cursor()));
    m_pGuess->SetCaret(v.Cursor());
    // While no word is in play the board shows how to start one; the guess, which has the
    // focus, carries the same words.
    m_pGuess->SetDescription(v.ShowsStartHint() ? CGameCore::kStartHint : L"");
    m_pGuess->SetBounds(&m_view, wxRect(CGameCore::m_nCellLeft, CGameCore::m_nCellTop,
                                        std::max<int>(1, static_cast<int>(nCells) * 22 - 1), CGameCore::m_nCellHeight));
    m_pStatus->SetName(SpokenStatus(v.IsTimeTrial(), v.Level(), v.Score() + v.TimeLeft(), v.Elapsed()));
    SyncRows();
    for (std::size_t i = 0; i < m_apKeys.size(); ++i) {
        const int nMark = v.HistoryView().MarkOf(static_cast<wchar_t>(L'A' + i));
        m_apKeys[i]->SetDescription(SpokenMark(nMark));
        m_apKeys[i]->SetState(EAccState::Checked, nMark != MarkNone);
    }
}

void CViewAccess::OnKeypadFocus()
{
    if (!m_bBuilt)
        return;
    const CKeypadFocus& keypad = m_view.Keypad();
    for (std::size_t i = 0; i < m_apKeys.size(); ++i)
        m_apKeys[i]->SetState(EAccState::Focused, keypad.InKeypad() && static_cast<int>(i) == keypad.FocusedKey());
    m_pGuess->SetState(EAccState::Focused, !keypad.InKeypad());
}

void CViewAccess::Announce(const std::wstring& strText)
{
    if (m_bBuilt && !strText.empty())
        m_window.Announce(strText);
}
