// A whole game window on a registry and a program directory of the test's own: the frame, the
// view and the quit requests it made, plus ways to drive and read it.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <wx/eventfilter.h>
#include <wx/image.h>

#include "app/app_commands.h"
#include "platform/profile.h"
#include "platform/registry.h"
#include "ui_test_support.h"

class CMainFrame;
class CVeltraneQuillornView;

// A small set: the words are played in this order.
extern const char* const kTestSetText;

// An action for the New Game dialog: press its "Go =>>".
void PressGo(wxDialog& dlg);

class CGameWindowTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void WriteSet(const std::string& strFileName, const std::string& strText);
    // Builds the window the way start-up does (the script answers the first New Game dialog),
    // then shows it.
    void Open(uitest::CModalScript& script);
    // Open, with the first New Game dialog answered by answer.
    void OpenAnswering(const uitest::CModalScript::Action& answer);
    // Open on kTestSetText, its first word started with Go.
    void OpenAndStartWord();
    // Give Up, its message box answered: what the message said.
    std::wstring GiveUp();
    // New, its New Game dialog answered with Go.
    void NewWord();

    // The view's whole client area after a full repaint, read from the screen: the composed
    // picture with the keys and the list over it.
    wxImage ComposedView();
    // What the screen shows of a window now.
    wxImage OnScreen(wxWindow& window);

    // Clock ticks as the timer delivers them. The view's real timer is held back while the test
    // runs, so that a second passing on a slow machine never adds a tick the test did not give.
    void Tick(int nTimes);
    // Types text at the keyboard; Enter with "\r".
    void Type(const std::string& strKeys);
    void ClickAt(wxWindow& window, const wxPoint& ptClient);
    // Runs a game command by its id through the frame's menu route.
    void Command(int nCommandId);

    void Shot(const wxImage& image, const std::string& strName);

    uitest::CTempFolder m_temp;
    std::filesystem::path m_dirTemp = m_temp.Path();
    std::filesystem::path m_dirProgram;
    std::filesystem::path m_dirUserSets;   // not created until a test writes into it
    std::unique_ptr<CRegistry> m_pRegistry;
    std::unique_ptr<CAppProfile> m_pProfile;
    CMainFrame* m_pFrame = nullptr;
    CVeltraneQuillornView* m_pView = nullptr;
    std::vector<int> m_anQuit;
    // The layout's own size unless a test asks for another; 0 opens as the game does, at the
    // stored zoom or one picked for the test screen.
    int m_nOpenZoom = 100;
    CAppCommands m_appCommands;

private:
    class CManualClock : public wxEventFilter {
    public:
        int FilterEvent(wxEvent& event) override;
        bool m_bDelivering = false;
    };
    CManualClock m_clock;
};
