// A game core with a scripted host: dialogs answer from queues, everything the player would see
// or hear is logged, and a test can deliver clock ticks while a box is "open". Plus a temporary
// program directory and registry file, so each test starts from a clean first run.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "game/game_core.h"
#include "game/guess_record.h"
#include "platform/profile.h"
#include "platform/registry.h"
#include "store/record_store.h"
#include "store/settings_store.h"
#include "stored_values.h"
#include "test_platform_temp_dir.h"

// A set file's bytes: the three sections with the given words, CR LF line ends.
inline std::string MakeSet(const std::vector<std::string>& aBeg, const std::vector<std::string>& aInt = {},
                           const std::vector<std::string>& aAdv = {})
{
    std::string s = "A set for tests\r\n";
    auto section = [&](const char* szMarker, const std::vector<std::string>& words) {
        s += szMarker;
        s += "\r\n";
        for (const std::string& w : words)
            s += w + "\r\n";
    };
    section("<BEGINNER>", aBeg);
    section("<INTERMEDIATE>", aInt);
    section("<ADVANCED>", aAdv);
    return s;
}

// A registry on a temporary file, with the profile and stores over it.
struct CTestStore {
    CTempDir dir;
    CRegistry registry{dir.Path() / "registry.db"};
    CAppProfile profile{registry};
    CSettingsStore settings{profile};
    CRecordStore records{profile};

    // What the next start reads, by the stored value names; -99 for a number that is absent.
    std::wstring StoredSet() const { return ::StoredString(profile, L"CURRENT_SET"); }
    int StoredInt(const wchar_t* szName) const { return ::StoredInt(profile, szName, -99); }
};

class CScriptedGame : public CGameCore {
public:
    CScriptedGame(CAppProfile& profile, CSetFolders setFolders)
        : CGameCore(profile, std::move(setFolders))
    {
    }

    // ---- Answers ----
    std::deque<int> m_aNewGame;                                 // empty: OK
    std::deque<int> m_aLevel;                                   // empty: No
    struct CNameAnswer {
        int nResult;
        std::wstring strName;
    };
    std::deque<CNameAnswer> m_aName;                            // empty: Cancel
    std::deque<std::function<int(COptionsValues&)>> m_aOptions; // empty: Cancel
    // Runs while a message box is open, e.g. to deliver clock ticks.
    std::function<void(const std::wstring&)> m_onMessage;
    std::function<void()> m_onBestScores;
    std::deque<int> m_aWordEnd;                                 // empty: OK

    // ---- What was shown, heard and asked for ----
    std::vector<std::wstring> m_astrEvents;
    std::vector<std::wstring> m_astrMessages;
    struct CNameAsked {
        std::wstring strPrefill;
        std::wstring strMessage;
    };
    std::vector<CNameAsked> m_aNameAsked;
    std::vector<COptionsValues> m_aOptionsGiven;
    std::vector<int> m_anNewGameLength;
    std::vector<std::pair<int, int>> m_aLevelAsked;
    int m_nReviewOffered = 0;   // word-end messages shown with a Review button
    bool m_bClockOn = false;
    int m_nQuitCode = -1;
    CGuessRecord m_history;

    void ClearLog()
    {
        m_astrEvents.clear();
        m_astrMessages.clear();
        m_aNameAsked.clear();
    }
    int Count(const std::wstring& strEvent) const
    {
        int n = 0;
        for (const std::wstring& s : m_astrEvents)
            n += (s == strEvent);
        return n;
    }
    void Ticks(int n)
    {
        for (int i = 0; i < n; ++i)
            OnClockTick();
    }
    void Type(const std::wstring& strLetters)
    {
        for (const wchar_t c : strLetters)
            OnChar(c);
    }
    // Types a whole guess and presses Enter; Guess() without a word is the row as it stands.
    using CGameCore::Guess;
    void Guess(const std::wstring& strWord)
    {
        Type(strWord);
        OnKeyDown(VK_RETURN);
    }
    void Solve() { Guess(m_history.m_strMagicWord); }
    // The next Options dialog answered after the player's change; ChooseOptions also opens it.
    void AnswerOptions(std::function<void(COptionsValues&)> change, int nResult = ResultOK)
    {
        m_aOptions.push_back([change = std::move(change), nResult](COptionsValues& v) {
            change(v);
            return nResult;
        });
    }
    void ChooseOptions(std::function<void(COptionsValues&)> change, int nResult = ResultOK)
    {
        AnswerOptions(std::move(change), nResult);
        OnOptions();
    }
    // A guess of the right length that is certainly wrong.
    void Miss()
    {
        std::wstring s = m_history.m_strMagicWord;
        for (wchar_t& c : s)
            c = (c == L'Q') ? L'X' : L'Q';
        Guess(s);
    }

protected:
    int RunNewGameDlg(int nWordLength) override
    {
        m_anNewGameLength.push_back(nWordLength);
        m_astrEvents.push_back(L"newgame");
        return Pop(m_aNewGame, static_cast<int>(ResultOK));
    }
    int RunLevelDlg(int nFinishedLevel, int nNextLevel) override
    {
        m_aLevelAsked.emplace_back(nFinishedLevel, nNextLevel);
        m_astrEvents.push_back(L"level");
        return Pop(m_aLevel, static_cast<int>(ResultNo));
    }
    int RunPlayerNameDlg(std::wstring& strName, const std::wstring& strMessage) override
    {
        m_aNameAsked.push_back({strName, strMessage});
        m_astrEvents.push_back(L"name");
        const CNameAnswer answer = Pop(m_aName, CNameAnswer{ResultCancel, {}});
        if (answer.nResult == ResultOK)
            strName = answer.strName;
        return answer.nResult;
    }
    int RunBestScoresDlg() override
    {
        m_astrEvents.push_back(L"bestscores");
        if (m_onBestScores)
            m_onBestScores();
        return ResultOK;
    }
    int RunOptionsDlg(COptionsValues& values) override
    {
        m_aOptionsGiven.push_back(values);
        m_astrEvents.push_back(L"options");
        return m_aOptions.empty() ? static_cast<int>(ResultCancel) : Pop(m_aOptions, {})(values);
    }
    int RunStatisticsDlg() override
    {
        m_astrEvents.push_back(L"statistics");
        return ResultOK;
    }
    void ShowMessage(const std::wstring& strText) override
    {
        m_astrMessages.push_back(strText);
        m_astrEvents.push_back(L"msg:" + strText);
        if (m_onMessage)
            m_onMessage(strText);
    }
    // The word-end message logs as any message does; its Review button is answered from a queue.
    int ShowWordEndMessage(const std::wstring& strText) override
    {
        ++m_nReviewOffered;
        ShowMessage(strText);
        return Pop(m_aWordEnd, static_cast<int>(ResultOK));
    }
    void OnWordEnded(EWordEnd how) override
    {
        const std::string strHow = WordEndText(how);
        m_astrEvents.push_back(L"ended:" + std::wstring(strHow.begin(), strHow.end()));
    }
    void StartClock() override
    {
        m_bClockOn = true;
        m_astrEvents.push_back(L"clock:start");
    }
    void StopClock() override
    {
        m_bClockOn = false;
        m_astrEvents.push_back(L"clock:stop");
    }
    void RepaintView() override { m_astrEvents.push_back(L"repaint:view"); }
    void RepaintKey(int nId) override { m_astrEvents.push_back(L"repaint:key:" + std::to_wstring(nId)); }
    void RepaintHistory() override { m_astrEvents.push_back(L"repaint:history"); }
    void PlayAlert(EAlert kind) override
    {
        m_astrEvents.push_back(kind == EAlert::Asterisk ? L"alert:asterisk" : L"alert:exclamation");
    }
    void PostQuit(int nExitCode) override
    {
        m_nQuitCode = nExitCode;
        m_astrEvents.push_back(L"quit:" + std::to_wstring(nExitCode));
    }
    CGuessRecord& History() override { return m_history; }
    const CGuessRecord& History() const override { return m_history; }

private:
    template <typename T>
    static T Pop(std::deque<T>& q, T fallback)
    {
        if (q.empty())
            return fallback;
        T v = q.front();
        q.pop_front();
        return v;
    }
};

// The Time Trial standing: the level, the points banked and the word's allowance, its countdown
// still full (both 0 once a game has ended).
inline void ExpectStanding(const CScriptedGame& g, int nLevel, int nScore, int nTimeLimit)
{
    EXPECT_EQ(g.Level(), nLevel);
    EXPECT_EQ(g.Score(), nScore);
    EXPECT_EQ(g.TimeLimit(), nTimeLimit);
    EXPECT_EQ(g.TimeLeft(), nTimeLimit);
}

// A store, a program directory and a game over them; the game is made on demand, so a test can
// lay out files and stored values first.
struct CGameFixture : public ::testing::Test {
    CTestStore store;
    CTempDir programDir;
    std::unique_ptr<CScriptedGame> game;

    CScriptedGame& MakeGame()
    {
        game = std::make_unique<CScriptedGame>(store.profile, programDir.Path());
        return *game;
    }
    // The core started as at the view's initial update.
    CScriptedGame& StartGame()
    {
        MakeGame().StartFirstWord();
        return *game;
    }
    // The shipped Standard set, its first Beginner word in play and the log cleared.
    CScriptedGame& PlayStandard(bool bTimeTrial)
    {
        std::filesystem::copy_file(std::filesystem::path(VQ_SETS_DIR) / "Standard.set", programDir / "Standard.set");
        store.settings.Write(Option::CurrentSet, L"Standard");
        store.settings.Write(Option::TimeTrial, bTimeTrial);
        StartGame().ClearLog();
        return *game;
    }
    // A set of twenty Beginner and twenty Intermediate words and one Advanced word, stored as the
    // current set: enough words that a test never runs out of them.
    void UseTwentyWordSet(const std::string& strName)
    {
        std::vector<std::string> beg, inter;
        for (int i = 0; i < 20; ++i) {
            beg.push_back(std::string("word") + static_cast<char>('a' + i));
            inter.push_back(std::string("sixlt") + static_cast<char>('a' + i));
        }
        programDir.Write(strName + ".set", MakeSet(beg, inter, {"kitchen"}));
        store.settings.Write(Option::CurrentSet, std::wstring(strName.begin(), strName.end()));
    }
};
