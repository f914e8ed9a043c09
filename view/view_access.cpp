// Keeping the view's accessible objects in step with the game; the words come from the game's
// spoken texts, so this file only decides which object carries which of them.
#include "view/view_access.h"

#include <algorithm>

#include "game/spoken_text.h"
#include "view/game_view.h"

constexpr const char* kViewName = N_("Veltrane Quillorn game");

CViewAccess::CViewAccess(CVeltraneQuillornView& view) : m_view(view), m_window(view, true)
{
    m_window.OnFirstUse([this] { Build(); });
}

CViewAccess::~CViewAccess() = default;

void CViewAccess::Build()
{
    m_window.SetRole(EAccRole::Grouping);
    m_window.SetName(Tr(kViewName));

    CVeltraneQuillornView& v = m_view;
    m_pGuess = std::make_unique<CAccObject>(EAccRole::Text, L"");
    m_pStatus = std::make_unique<CAccObject>(EAccRole::StatusBar, L"");
    m_pList = std::make_unique<CAccObject>(EAccRole::List, Tr("Guesses"));
    // ATK keeps quiet about a part's first description: each part that can be spoken on starts
    // with an empty one, so the first text said on it is heard.
    m_pGuess->SetDescription(L"");
    m_pList->SetDescription(L"");
    // Asked for when a reader asks, at the zoom and in the client area the view has then.
    m_pGuess->SetBounds(&v, [&v] {
        const int nCells = std::max(static_cast<int>(v.HistoryView().m_strMagicWord.size()), 1);
        return v.ZoomedRect(board::CellRowRect(nCells));
    });
    m_pStatus->SetBounds(&v, [&v] { return v.ZoomedRect(board::StatusRect()); });
    m_pList->SetBounds(&v, [&v] { return v.ZoomedRect(board::ListRect()); });
    m_window.AddChild(*m_pGuess);
    m_window.AddChild(*m_pStatus);
    m_window.AddChild(*m_pList);
    for (int nId = IDC_LETTER_FIRST; nId <= IDC_LETTER_LAST; ++nId) {
        const wchar_t cLetter = static_cast<wchar_t>(L'A' + (nId - IDC_LETTER_FIRST));
        auto pKey = std::make_unique<CAccObject>(EAccRole::ToggleButton, std::wstring(1, cLetter));
        pKey->SetBounds(&v, [&v, nId] { return v.ZoomedRect(board::KeyRect(nId - IDC_LETTER_FIRST)); });
        pKey->SetState(EAccState::Focusable, true);
        pKey->SetDescription(Tr(kLetterKeyHint));
        pKey->SetAction("press", [this, nId] { m_view.OnLetterKey(nId); });
        m_window.AddChild(*pKey);
        m_apKeys.push_back(std::move(pKey));
    }
    m_bBuilt = true;
    // The rows already in the list are there, not news.
    SyncRows();
    Sync();
    OnKeypadFocus();
}

void CViewAccess::SyncRows()
{
    const CGuessRecord& record = m_view.HistoryView();
    const std::size_t nRows = record.GuessCount();
    if (nRows < m_apRows.size()) {
        for (const auto& pRow : m_apRows)
            if (pRow.get() == m_pSaidOn)
                m_pSaidOn = nullptr;
        m_pList->RemoveAllChildren();
        m_apRows.clear();
    }
    for (std::size_t i = 0; i < m_apRows.size(); ++i)
        m_apRows[i]->SetName(SpokenHistoryRow(record, i));
    CVeltraneQuillornView* pView = &m_view;
    while (m_apRows.size() < nRows) {
        const std::size_t nRow = m_apRows.size();
        auto pRow = std::make_unique<CAccObject>(EAccRole::ListItem, SpokenHistoryRow(record, nRow));
        // Inside the list's border, moving as the list scrolls.
        pRow->SetBounds(pView, [pView, nRow] {
            const CGuessHistoryView& history = pView->HistoryView();
            const wxRect rcList = pView->ZoomedRect(board::ListRect());
            const wxSize sizeInside = history.GetClientSize();
            const int nBorder = std::max((rcList.width - sizeInside.x) / 2, 0);
            const int nHeight = history.RowHeight();
            return wxRect(rcList.x + nBorder,
                          rcList.y + nBorder + static_cast<int>(nRow) * nHeight - history.ScrollPixels(), sizeInside.x,
                          nHeight);
        });
        pRow->SetDescription(L"");
        pRow->SetState(EAccState::Selectable, true);
        pRow->SetState(EAccState::Focusable, true);
        m_apRows.push_back(std::move(pRow));
        m_pList->AddChild(*m_apRows.back());
    }
}

void CViewAccess::Sync()
{
    if (!m_bBuilt)
        return;
    CVeltraneQuillornView& v = m_view;
    const std::size_t nCells = v.HistoryView().m_strMagicWord.size();
    const std::wstring strCells = v.Guess().substr(0, std::min(nCells, v.Guess().size()));
    // The cells first: the new row is said after them, and a reader speaks the last of the two.
    m_pGuess->SetName(SpokenGuess(strCells, v.Cursor()));
    m_pGuess->SetCaret(v.Cursor());
    // While no word is in play the board shows how to start one; the guess, which has the focus,
    // carries the same words, unless a line was just said on it.
    if (m_pSaidOn != m_pGuess.get())
        m_pGuess->SetDescription(RestingDescription(m_pGuess.get()));
    m_pStatus->SetName(SpokenStatus(v.IsTimeTrial(), v.Level(), v.Score() + v.TimeLeft(), v.Elapsed()));
    const std::size_t nRowsBefore = m_apRows.size();
    SyncRows();
    for (std::size_t i = 0; i < m_apKeys.size(); ++i) {
        const wchar_t cLetter = static_cast<wchar_t>(L'A' + i);
        const int nMark = v.HistoryView().MarkOf(cLetter);
        // The mark is in the name, so a reader on the key hears it change; the description
        // keeps what a click does.
        m_apKeys[i]->SetName(SpokenKey(cLetter, nMark));
        m_apKeys[i]->SetState(EAccState::Checked, nMark != MarkNone);
    }
    // A guess sent makes a row: what the player waits to hear.
    if (m_apRows.size() > nRowsBefore) {
        std::wstring strRow = SpokenHistoryRow(v.HistoryView(), m_apRows.size() - 1);
        // What the row leaves possible is heard with it when the board shows it.
        if (v.ShowsWordsFit())
            strRow += L", " + WordsFitText(v.WordsThatFitCount());
        Announce(strRow);
    }
}

CAccObject* CViewAccess::FocusedPart() const
{
    const CKeypadFocus& keypad = m_view.Keypad();
    switch (keypad.Place()) {
    case CKeypadFocus::EPlace::Keypad: return m_apKeys[static_cast<std::size_t>(keypad.FocusedKey())].get();
    case CKeypadFocus::EPlace::List:
        if (keypad.FocusedRow() >= 0 && static_cast<std::size_t>(keypad.FocusedRow()) < m_apRows.size())
            return m_apRows[static_cast<std::size_t>(keypad.FocusedRow())].get();
        return m_pList.get();
    case CKeypadFocus::EPlace::Guess: break;
    }
    return m_pGuess.get();
}

std::wstring CViewAccess::RestingDescription(const CAccObject* pPart) const
{
    if (pPart == m_pGuess.get())
        return m_view.ShowsStartHint() ? Tr(CGameCore::kStartHint) : std::wstring();
    const bool bKey = std::any_of(m_apKeys.begin(), m_apKeys.end(), [pPart](const auto& p) { return p.get() == pPart; });
    return bKey ? Tr(kLetterKeyHint) : L"";
}

void CViewAccess::OnKeypadFocus()
{
    if (!m_bBuilt)
        return;
    CAccObject* pFocused = FocusedPart();
    // Whatever loses the focus first, so a reader never sees two focused parts at once.
    const auto setFocus = [pFocused](CAccObject& part, bool bSelectable) {
        if (&part != pFocused) {
            part.SetState(EAccState::Focused, false);
            if (bSelectable)
                part.SetState(EAccState::Selected, false);
        }
    };
    setFocus(*m_pGuess, false);
    for (const auto& pKey : m_apKeys)
        setFocus(*pKey, false);
    for (const auto& pRow : m_apRows)
        setFocus(*pRow, true);
    for (const auto& pRow : m_apRows)
        if (pRow.get() == pFocused)
            pRow->SetState(EAccState::Selected, true);
    pFocused->SetState(EAccState::Focused, true);
    // A text said on the part left behind goes once the reader is on the new one.
    if (m_pSaidOn != nullptr && m_pSaidOn != pFocused) {
        m_pSaidOn->SetDescription(RestingDescription(m_pSaidOn));
        m_pSaidOn = nullptr;
    }
}

void CViewAccess::OnViewFocus()
{
    if (m_bBuilt)
        FocusedPart()->RenewFocus();
}

void CViewAccess::Announce(const std::wstring& strText)
{
    if (!m_bBuilt || strText.empty())
        return;
    m_window.Announce(strText);
    m_pSaidOn = FocusedPart();
    m_pSaidOn->SayInDescription(strText);
}
