// The game-window fixture.
#include "test_view_fixture.h"

#include <fstream>

#include <wx/app.h>
#include <wx/timer.h>
#include <wx/uiaction.h>

#include "app/command_table.h"
#include "app/doc_template.h"
#include "app/main_frame.h"
#include "dialogs/painted_dialogs.h"
#include "view/command_ids.h"
#include "view/game_view.h"

const char* const kTestSetText =
    "Test words\r\n<BEGINNER>\r\napple\r\nplant\r\nbread\r\n<INTERMEDIATE>\r\nplanet\r\n"
    "<ADVANCED>\r\nkitchen\r\n";

void PressGo(wxDialog& dlg)
{
    uitest::ClickButton(dlg, IDC_GO);
}

void CGameWindowTest::SetUp()
{
    ASSERT_FALSE(m_dirTemp.empty()) << "no temporary folder";
    m_dirProgram = m_dirTemp / "program";
    std::filesystem::create_directories(m_dirProgram);
    m_dirUserSets = m_dirTemp / "user" / "sets";
    m_pRegistry = std::make_unique<CRegistry>(m_dirTemp / "registry.db");
    m_pProfile = std::make_unique<CAppProfile>(*m_pRegistry);
    wxEvtHandler::AddFilter(&m_clock);
}

void CGameWindowTest::TearDown()
{
    if (m_pFrame != nullptr) {
        m_pFrame->Destroy();
        uitest::Settle();
    }
    wxEvtHandler::RemoveFilter(&m_clock);
    m_pProfile.reset();
    m_pRegistry.reset();
}

void CGameWindowTest::WriteSet(const std::string& strFileName, const std::string& strText)
{
    std::ofstream out(m_dirProgram / strFileName, std::ios::binary);
    out << strText;
}

void CGameWindowTest::Open(uitest::CModalScript& script)
{
    CGameWindowSetup setup;
    setup.pProfile = m_pProfile.get();
    setup.programDir = m_dirProgram;
    setup.pAppTarget = &m_appCommands;
    setup.userSetDir = m_dirUserSets;
    setup.fnQuit = [this](int nCode) { m_anQuit.push_back(nCode); };
    setup.nZoom = m_nOpenZoom;
    m_pFrame = OpenNewGameWindow(setup);
    ASSERT_NE(m_pFrame, nullptr);
    m_pView = m_pFrame->GetView();
    m_pFrame->Show();
    m_pFrame->Raise();
    uitest::WaitShown(*m_pFrame);
    m_pView->SetFocus();
    uitest::Settle();
    EXPECT_TRUE(script.Done()) << "some answers were not asked for";
}

void CGameWindowTest::OpenAnswering(const uitest::CModalScript::Action& answer)
{
    uitest::CModalScript script;
    script.Then(answer);
    Open(script);
}

void CGameWindowTest::OpenAndStartWord()
{
    WriteSet("Test.set", kTestSetText);
    OpenAnswering(PressGo);
}

std::wstring CGameWindowTest::GiveUp()
{
    uitest::CModalScript script;
    script.ThenMessageBox();
    Command(ID_GAME_GIVEUP);
    EXPECT_TRUE(script.Done()) << "Give Up said nothing";
    return script.Messages().empty() ? std::wstring() : script.Messages()[0];
}

void CGameWindowTest::NewWord()
{
    uitest::CModalScript script;
    script.Then(PressGo);
    Command(ID_GAME_NEW);
    EXPECT_TRUE(script.Done()) << "New asked for no word";
}

wxImage CGameWindowTest::ComposedView()
{
    // Read where the player sees it.
    return OnScreen(*m_pView);
}

wxImage CGameWindowTest::OnScreen(wxWindow& window)
{
    return uitest::RepaintedClient(window);
}

int CGameWindowTest::CManualClock::FilterEvent(wxEvent& event)
{
    if (event.GetEventType() == wxEVT_TIMER && event.GetId() == kClockTimerId && !m_bDelivering)
        return Event_Ignore;
    return Event_Skip;
}

void CGameWindowTest::Tick(int nTimes)
{
    wxTimer timer(m_pView, kClockTimerId);
    m_clock.m_bDelivering = true;
    for (int i = 0; i < nTimes; ++i) {
        wxTimerEvent tick(timer);
        m_pView->GetEventHandler()->ProcessEvent(tick);
    }
    m_clock.m_bDelivering = false;
}

void CGameWindowTest::Type(const std::string& strKeys)
{
    wxUIActionSimulator sim;
    for (const char c : strKeys) {
        sim.Char(c == '\r' ? int{WXK_RETURN} : c == '\b' ? int{WXK_BACK} : int{c});
        uitest::Settle();
    }
}

void CGameWindowTest::ClickAt(wxWindow& window, const wxPoint& ptClient)
{
    wxUIActionSimulator sim;
    sim.MouseMove(window.ClientToScreen(ptClient));
    uitest::Settle();
    sim.MouseClick();
    uitest::Settle();
}

void CGameWindowTest::Command(int nCommandId)
{
    wxCommandEvent event(wxEVT_MENU, WxIdFromCommand(nCommandId));
    event.SetEventObject(m_pFrame);
    m_pFrame->GetEventHandler()->ProcessEvent(event);
    uitest::Settle();
}

void CGameWindowTest::Shot(const wxImage& image, const std::string& strName)
{
    EXPECT_TRUE(uitest::SaveShot(image, strName));
}
