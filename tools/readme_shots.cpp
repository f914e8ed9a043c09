// Takes the README's pictures: a game in progress at 100 % and at 200 % (menus and tool bar
// included), the New Game dialog, and the Statistics window on a made-up log of 1,000 words. A maintainer runs it through tools/readme-shots.sh, which
// gives it a private X server, so the pictures come out the same on every machine.
//
// The game is played on a throwaway registry and set, through the operations a player's keys and
// clicks reach; the clock is held back and ticked by hand, so the time shown never depends on how
// fast the machine was.
#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>

#include <gdk/gdk.h>
#include <gdk-pixbuf/gdk-pixbuf.h>
#include <wx/app.h>
#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/eventfilter.h>
#include <wx/image.h>
#include <wx/init.h>
#include <wx/modalhook.h>
#include <wx/stopwatch.h>
#include <wx/timer.h>
#include <wx/utils.h>

#include "app/app_commands.h"
#include "app/doc_template.h"
#include "app/main_frame.h"
#include "dialogs/dialog_look.h"
#include "dialogs/painted_dialogs.h"
#include "dialogs/statistics_dlg.h"
#include "ui/wx_helpers.h"
#include "platform/profile.h"
#include "platform/registry.h"
#include "store/game_log.h"
#include "view/game_view.h"

namespace {

// The first word is APPLE; the game in the picture has guessed three words and half a fourth.
constexpr const char* kSetText = "Pictures\r\n<BEGINNER>\r\napple\r\nplant\r\nbread\r\n";
constexpr const char* kGuesses[] = {"plant", "paper", "ample"};
constexpr const char* kHalfGuess = "ap";
// Struck once: T, N, R; highlighted (two presses): A, P.
constexpr wchar_t kMarkPresses[] = {L'T', L'N', L'R', L'A', L'A', L'P', L'P'};
constexpr int kSecondsPlayed = 37;

// Until the server has dealt with everything asked of it and the events that came of it are handled.
void Settle()
{
    wxStopWatch watch;
    do {
        gdk_display_sync(gdk_display_get_default());
        wxTheApp->Yield(true);
    } while (gdk_events_pending() && watch.Time() < 2000);
}

// Lets events through until the condition holds or three seconds pass; whether it came to hold.
// Without a window manager, mapping and resizing land when the server gets to them.
bool WaitFor(const std::function<bool()>& condition)
{
    wxStopWatch watch;
    while (!condition()) {
        if (watch.Time() >= 3000)
            return false;
        Settle();
        wxMilliSleep(2);
    }
    return true;
}

// Keeps the view's real one-second timer from reaching it; Tick() delivers ticks instead.
class CHeldClock : public wxEventFilter {
public:
    CHeldClock() { wxEvtHandler::AddFilter(this); }
    ~CHeldClock() override { wxEvtHandler::RemoveFilter(this); }

    int FilterEvent(wxEvent& event) override
    {
        if (event.GetEventType() == wxEVT_TIMER && event.GetId() == kClockTimerId && !m_bDelivering)
            return Event_Ignore;
        return Event_Skip;
    }

    void Tick(wxWindow& view, int nTimes)
    {
        wxTimer timer(&view, kClockTimerId);
        m_bDelivering = true;
        for (int i = 0; i < nTimes; ++i) {
            wxTimerEvent tick(timer);
            view.GetEventHandler()->ProcessEvent(tick);
        }
        m_bDelivering = false;
    }

private:
    bool m_bDelivering = false;
};

// Runs fnShown once the next modal dialog is on the screen, and then closes it with OK.
class CAnswerDialog : public wxModalDialogHook {
public:
    explicit CAnswerDialog(std::function<void(wxDialog&)> fnShown) : m_fnShown(std::move(fnShown)) { Register(); }
    ~CAnswerDialog() override { Unregister(); }

protected:
    int Enter(wxDialog* pDialog) override
    {
        pDialog->CallAfter([this, pDialog] {
            pDialog->Raise();
            WaitFor([pDialog] { return pDialog->IsShownOnScreen(); });
            // The keyboard arrives a moment after the window, and with it the focused control's outline.
            WaitFor([pDialog] {
                wxWindow* pFocus = wxWindow::FindFocus();
                return pFocus != nullptr && wxGetTopLevelParent(pFocus) == pDialog;
            });
            pDialog->Refresh();
            pDialog->Update();
            Settle();
            if (m_fnShown)
                m_fnShown(*pDialog);
            pDialog->EndModal(wxID_OK);
        });
        return wxID_NONE;
    }
    void Exit(wxDialog*) override {}

private:
    std::function<void(wxDialog&)> m_fnShown;
};

// What the screen shows of a window, from its top left: a frame's menu and tool bar are included,
// the window manager's border (there is none on the private server) is not.
wxImage FromScreen(wxWindow& window)
{
    // Straight from the root window: wx's screen DC, read again, kept giving its first picture.
    const wxRect rc = window.GetScreenRect();
    GdkPixbuf* pPixbuf = gdk_pixbuf_get_from_window(gdk_get_default_root_window(), rc.x, rc.y, rc.width, rc.height);
    if (pPixbuf == nullptr)
        return {};
    wxImage img(rc.width, rc.height);
    const int nChannels = gdk_pixbuf_get_n_channels(pPixbuf);
    const int nStride = gdk_pixbuf_get_rowstride(pPixbuf);
    const guchar* pPixels = gdk_pixbuf_get_pixels(pPixbuf);
    for (int y = 0; y < rc.height; ++y)
        for (int x = 0; x < rc.width; ++x) {
            const guchar* p = pPixels + y * nStride + x * nChannels;
            img.SetRGB(x, y, p[0], p[1], p[2]);
        }
    g_object_unref(pPixbuf);
    return img;
}

// What a window paints into its client area.
wxImage Painted(wxWindow& window)
{
    window.Update();
    const wxSize size = window.GetClientSize();
    wxBitmap bitmap(size.x, size.y, 24);
    {
        wxMemoryDC memory(bitmap);
        wxClientDC client(&window);
        memory.Blit(0, 0, size.x, size.y, &client, 0, 0);
    }
    return bitmap.ConvertToImage();
}

// Whether the screen shows the view's background just inside two opposite corners of the picture:
// after a zoom the window is resized and painted on the toolkit's frame clock, some time later.
bool ShowsWholePicture(CVeltraneQuillornView& view, COLORREF clrBackground)
{
    const wxImage img = FromScreen(view);
    const wxSize size = view.GetClientSize();
    if (img.GetWidth() != size.x || img.GetHeight() != size.y)
        return false;
    const wxColour clr = WxColour(clrBackground);
    for (const wxPoint& pt : {view.ZoomedRect(wxRect(1, 1, 1, 1)).GetPosition(),
                              view.ZoomedRect(wxRect(board::kWidth - 2, board::kHeight - 2, 1, 1)).GetPosition()})
        if (wxColour(img.GetRed(pt.x, pt.y), img.GetGreen(pt.x, pt.y), img.GetBlue(pt.x, pt.y)) != clr)
            return false;
    return true;
}

bool Save(const wxImage& image, const std::filesystem::path& file)
{
    if (!image.IsOk() || !image.SaveFile(wxString::FromUTF8(file.string()), wxBITMAP_TYPE_PNG)) {
        std::fprintf(stderr, "readme_shots: could not write %s\n", file.c_str());
        return false;
    }
    std::printf("%s  %d x %d\n", file.c_str(), image.GetWidth(), image.GetHeight());
    return true;
}

// A game in progress at the zoom step given, on a registry and set folder of its own.
bool ShootGameInProgress(const std::filesystem::path& dirWork, int nZoom, const std::filesystem::path& file)
{
    const std::filesystem::path dirProgram = dirWork / ("program-" + std::to_string(nZoom));
    std::filesystem::create_directories(dirProgram);
    std::ofstream(dirProgram / "Pictures.set", std::ios::binary) << kSetText;
    CRegistry registry(dirWork / ("registry-" + std::to_string(nZoom) + ".db"));
    CAppProfile profile(registry);
    CAppCommands appCommands;
    CHeldClock clock;

    CGameWindowSetup setup;
    setup.pProfile = &profile;
    setup.programDir = dirProgram;
    setup.pAppTarget = &appCommands;
    setup.fnQuit = [](int) {};
    setup.nZoom = nZoom;
    CMainFrame* pFrame = nullptr;
    {
        CAnswerDialog pressGo(nullptr);   // the first word's New Game dialog
        pFrame = OpenNewGameWindow(setup);
    }
    if (pFrame == nullptr) {
        std::fprintf(stderr, "readme_shots: the game window could not be made\n");
        return false;
    }
    CVeltraneQuillornView& view = *pFrame->GetView();
    pFrame->Show();
    pFrame->Raise();
    const wxSize sizePicture = view.ShownSize(nZoom);
    if (!WaitFor([&] { return pFrame->IsShownOnScreen() && view.GetClientSize() == sizePicture; }))
        std::fprintf(stderr, "readme_shots: the window did not reach its size at %d %%\n", nZoom);
    view.SetFocus();

    auto type = [&view](const char* psz) {
        for (; *psz != '\0'; ++psz)
            view.OnChar(static_cast<wchar_t>(*psz));
    };
    for (const char* pszGuess : kGuesses) {
        type(pszGuess);
        view.OnKeyDown(VK_RETURN);
    }
    for (const wchar_t c : kMarkPresses)
        view.OnLetterKey(IDC_LETTER_FIRST + (c - L'A'));
    clock.Tick(view, kSecondsPlayed);
    type(kHalfGuess);

    // The tools are enabled when the toolkit is idle; a script leaves it no idle time.
    pFrame->UpdateWindowUI(wxUPDATE_UI_RECURSE);
    pFrame->Refresh(false);
    pFrame->Update();
    const bool bWhole = WaitFor([&] { return ShowsWholePicture(view, view.Background()); });
    if (!bWhole)
        std::fprintf(stderr, "readme_shots: the screen did not show the whole game at %d %%\n", nZoom);
    if (view.Zoom() != nZoom)
        std::fprintf(stderr, "readme_shots: the window opened at %d %%, not %d %%\n", view.Zoom(), nZoom);
    Settle();
    const bool bSaved = bWhole && view.Zoom() == nZoom && Save(FromScreen(*pFrame), file);
    pFrame->Destroy();
    Settle();
    return bSaved;
}

bool ShootNewGameDialog(const std::filesystem::path& file)
{
    bool bSaved = false;
    CAnswerDialog shoot([&](wxDialog& dlg) { bSaved = Save(Painted(dlg), file); });
    SetDialogZoom(100);   // the game windows before have set their own
    CNewGameDlg dlg;
    dlg.m_nWordLength = 5;
    dlg.DoModal();
    Settle();
    return bSaved;
}

// A season of Beginner words as a player might leave it: mostly solved in four to ten tries, some
// given up or timed out, a few abandoned; the last 300 words are Time Trial games of a few levels
// each, scoring a little better as the player learns. A fixed seed and the generator's raw output
// (its distributions differ between libraries) give the same log everywhere.
bool WriteSeasonLog(const std::filesystem::path& file)
{
    CGameLog log(file);
    if (log.OpenForWriting(1000) != CGameLog::EState::Writable)
        return false;
    std::mt19937 random(20260);
    auto below = [&random](unsigned n) { return static_cast<int>(random() % n); };
    const wchar_t* const apszWords[] = {L"PLANT", L"BREAD", L"HOUSE", L"RIVER", L"STONE", L"LIGHT"};
    std::int64_t nTime = 1800000000;
    int nLevel = 1, nScore = 0;
    for (int i = 0; i < 1000; ++i) {
        CGameLogEntry e;
        nTime += 120 + below(600);
        e.nEndedUtc = nTime;
        e.strSet = i % 3 == 0 ? L"Animals" : L"Standard";
        e.strWord = apszWords[below(6)];
        const int nRoll = below(100);
        e.eEnd = nRoll < 82 ? EWordEnd::Solved : nRoll < 92 ? EWordEnd::GaveUp : nRoll < 97 ? EWordEnd::TimedOut
                                                                                  : EWordEnd::Abandoned;
        e.nGuesses = e.eEnd == EWordEnd::Abandoned ? below(3) : 3 + below(5) + below(5);
        e.nSeconds = e.nGuesses == 0 ? 0 : 15 + 9 * e.nGuesses + below(40);
        e.bTimeTrial = i >= 700;
        if (e.bTimeTrial) {
            e.nLevel = nLevel;
            const int nLimit = std::max(60, 240 - 15 * (nLevel - 1));
            if (e.eEnd == EWordEnd::Solved && e.nSeconds < nLimit) {
                nScore += nLimit - e.nSeconds + (i - 700) / 3;
                ++nLevel;
            } else {
                e.eEnd = e.eEnd == EWordEnd::Solved ? EWordEnd::TimedOut : e.eEnd;
                e.bEndsGame = true;
            }
            e.nScore = nScore;
            // Some games end when the player answers the level question with No.
            if (!e.bEndsGame && below(4) == 0)
                e.bEndsGame = true;
            if (e.bEndsGame)
                nLevel = 1, nScore = 0;
        }
        if (!log.Append(e))
            return false;
    }
    return true;
}

bool ShootStatistics(const std::filesystem::path& dirWork, const std::filesystem::path& file)
{
    const std::filesystem::path fileLog = dirWork / "games.db";
    if (!WriteSeasonLog(fileLog)) {
        std::fprintf(stderr, "readme_shots: could not write the game log\n");
        return false;
    }
    bool bSaved = false;
    CAnswerDialog shoot([&](wxDialog& dlg) { bSaved = Save(Painted(dlg), file); });
    SetDialogZoom(100);
    CStatisticsDlg dlg(fileLog);
    dlg.m_nSkill = 0;
    dlg.DoModal();
    Settle();
    return bSaved;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "Usage: readme_shots DIR   (writes game-screen.png, game-screen-200.png,\n"
                             "       new-game-dialog.png and statistics-dialog.png into DIR; needs a display)\n");
        return 2;
    }
    const std::filesystem::path dirOut = argv[1];
    wxApp::SetInstance(new wxApp);
    int nToolkitArgs = 1;   // the folder is ours, not an option for the toolkit
    if (!wxEntryStart(nToolkitArgs, argv) || !wxTheApp->CallOnInit()) {
        std::fprintf(stderr, "readme_shots: cannot start the toolkit (is DISPLAY set?)\n");
        return 1;
    }
    wxInitAllImageHandlers();
    RegisterGameFonts();

    std::string strTemplate = (std::filesystem::temp_directory_path() / "vq-shots-XXXXXX").string();
    if (mkdtemp(strTemplate.data()) == nullptr) {
        std::fprintf(stderr, "readme_shots: no temporary folder\n");
        return 1;
    }
    const std::filesystem::path dirWork = strTemplate;
    std::filesystem::create_directories(dirOut);
    bool bOk = ShootGameInProgress(dirWork, 100, dirOut / "game-screen.png");
    bOk = ShootGameInProgress(dirWork, 200, dirOut / "game-screen-200.png") && bOk;
    bOk = ShootNewGameDialog(dirOut / "new-game-dialog.png") && bOk;
    bOk = ShootStatistics(dirWork, dirOut / "statistics-dialog.png") && bOk;

    std::error_code ec;
    std::filesystem::remove_all(dirWork, ec);
    wxEntryCleanup();
    return bOk ? 0 : 1;
}
