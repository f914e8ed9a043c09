// Repaint costs of the game screen: the whole view at 100 % and 300 %, a change of zoom step, and
// the history list with few and with very many guesses. Needs a display (Xvfb) of at least
// 1024 x 768.
//
// Drawing on an X window only queues requests; the server carries them out later. Every timed
// loop that draws there ends its iteration with a round trip to the server (WaitForServer), so
// the server's own work is in the figure: what is timed is what the player waits for until the
// picture is on the window.
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

#include <benchmark/benchmark.h>
#include <gtk/gtk.h>
#include <wx/app.h>
#include <wx/init.h>
#include <wx/modalhook.h>
#include <wx/time.h>
#include <wx/utils.h>

#include "app/app_commands.h"
#include "app/doc_template.h"
#include "app/main_frame.h"
#include "dialogs/dialog_look.h"
#include "platform/profile.h"
#include "platform/registry.h"
#include "view/game_view.h"

namespace {

struct CBenchWindow {
    std::filesystem::path dir;
    std::unique_ptr<CRegistry> pRegistry;
    std::unique_ptr<CAppProfile> pProfile;
    CMainFrame* pFrame = nullptr;
    CVeltraneQuillornView* pView = nullptr;
};

CBenchWindow* g_pWindow = nullptr;

// Until the display server has carried out every request sent so far.
void WaitForServer()
{
    if (GdkDisplay* pDisplay = gdk_display_get_default())
        gdk_display_sync(pDisplay);
}

void Pump()
{
    for (int i = 0; i < 20; ++i) {
        wxTheApp->Yield(true);
        wxMilliSleep(5);
    }
}

// Answers every modal dialog at once with OK: here only the first word's New Game dialog.
class CAnswerGo : public wxModalDialogHook {
public:
    CAnswerGo() { Register(); }
    ~CAnswerGo() override { Unregister(); }

protected:
    int Enter(wxDialog*) override { return wxID_OK; }
    void Exit(wxDialog*) override {}
};

bool OpenWindow()
{
    g_pWindow = new CBenchWindow;
    std::string strTemplate = (std::filesystem::temp_directory_path() / "vq-bench-XXXXXX").string();
    if (!mkdtemp(strTemplate.data()))
        return false;
    g_pWindow->dir = strTemplate;
    std::ofstream(g_pWindow->dir / "Bench.set") << "<BEGINNER>\nplant\napple\n<ADVANCED>\nkitchen\n";
    g_pWindow->pRegistry = std::make_unique<CRegistry>(g_pWindow->dir / "registry.db");
    g_pWindow->pProfile = std::make_unique<CAppProfile>(*g_pWindow->pRegistry);

    CGameWindowSetup setup;
    setup.pProfile = g_pWindow->pProfile.get();
    setup.programDir = g_pWindow->dir;
    static CAppCommands appCommands;
    setup.pAppTarget = &appCommands;
    setup.fnQuit = [](int) {};
    setup.nZoom = 100;  // the same start whatever screen the benchmark runs on
    // The first word's New Game dialog is answered "Go", so a word is in play.
    CAnswerGo answerGo;
    g_pWindow->pFrame = OpenNewGameWindow(setup);
    if (!g_pWindow->pFrame)
        return false;
    g_pWindow->pView = g_pWindow->pFrame->GetView();
    g_pWindow->pFrame->Show();
    Pump();
    return true;
}

// A zoom step as the View menu makes it, waited for until the X server has resized the window
// and the view has settled at the step (the toolkit takes the asked size at once, the server a
// little later).
bool ZoomAndWait(int nPercent, double* pdArrivedSeconds = nullptr)
{
    CVeltraneQuillornView& view = *g_pWindow->pView;
    const auto tStart = std::chrono::steady_clock::now();
    view.ChangeZoom(nPercent);
    const wxSize want = view.ShownSize(nPercent);
    bool bArrived = false;
    wxLongLong tSettled = 0;
    while (std::chrono::steady_clock::now() - tStart < std::chrono::seconds(3)) {
        wxTheApp->Yield(true);
        const bool bThere = view.GetClientSize() == want && view.Zoom() == nPercent;
        if (bThere && !bArrived) {
            // The picture at the new size on the window: the moment the player sees the step.
            view.Update();
            bArrived = true;
            if (pdArrivedSeconds != nullptr)
                *pdArrivedSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - tStart).count();
        }
        if (!bThere)
            tSettled = 0;
        else if (tSettled == 0)
            tSettled = wxGetLocalTimeMillis();
        else if (wxGetLocalTimeMillis() - tSettled >= 20)
            return true;
        wxMilliSleep(1);
    }
    return false;
}

// The benchmark's zoom step (its first argument) reached, or the benchmark skipped.
bool ReachZoom(benchmark::State& state)
{
    if (ZoomAndWait(static_cast<int>(state.range(0))))
        return true;
    state.SkipWithError("the window did not reach the zoom");
    return false;
}

// A word in play with a half-typed guess, Time Trial bar showing: every element is drawn. The
// whole round trip through the toolkit: invalidate, update, paint handler.
void BM_ViewRepaint(benchmark::State& state)
{
    CVeltraneQuillornView& view = *g_pWindow->pView;
    if (view.IsGameOver() || !view.IsTimeTrial()) {
        state.SkipWithError("no Time Trial word in play");
        return;
    }
    if (view.Cursor() == 0) {
        view.OnChar(L'p');
        view.OnChar(L'l');
    }
    if (!ReachZoom(state))
        return;
    for (auto _ : state) {
        view.Refresh(false);
        view.Update();
        WaitForServer();
    }
}
BENCHMARK(BM_ViewRepaint)->Arg(100)->Arg(300)->Unit(benchmark::kMicrosecond)->UseRealTime();

// Changing the zoom step inside the view: fonts made at the new size, keys and list placed
// anew, the buffer remade, the picture painted. Steps between the two arguments.
void BM_ZoomStepRelayoutAndRepaint(benchmark::State& state)
{
    CVeltraneQuillornView& view = *g_pWindow->pView;
    const int anSteps[] = {static_cast<int>(state.range(0)), static_cast<int>(state.range(1))};
    int n = 0;
    for (auto _ : state) {
        view.SetZoom(anSteps[n++ % 2]);
        view.Update();
    }
    ZoomAndWait(100);
}
BENCHMARK(BM_ZoomStepRelayoutAndRepaint)->Args({100, 150})->Args({200, 300})->Unit(benchmark::kMillisecond)->UseRealTime();

// The whole step as the player sees it: the command stores the step, the window is resized
// through the X server, the view follows and is painted at the new size.
void BM_ZoomStepWholeWindow(benchmark::State& state)
{
    const int anSteps[] = {static_cast<int>(state.range(0)), static_cast<int>(state.range(1))};
    int n = 0;
    for (auto _ : state) {
        double dSeconds = 0;
        if (!ZoomAndWait(anSteps[n++ % 2], &dSeconds)) {
            state.SkipWithError("the window did not settle at the zoom");
            break;
        }
        // Up to the first paint at the new size; the wait that checks the step holds is not timed.
        state.SetIterationTime(dSeconds);
    }
    ZoomAndWait(100);
}
BENCHMARK(BM_ZoomStepWholeWindow)->Args({100, 150})->Args({200, 300})->Unit(benchmark::kMillisecond)->UseManualTime();

// The list scrolled to its end, as it always is after a guess.
void BM_HistoryRepaint(benchmark::State& state)
{
    CGuessHistoryView& list = g_pWindow->pView->HistoryView();
    list.ResetHistory();
    list.m_strMagicWord = L"PLANT";
    const wchar_t* aGuesses[] = {L"APPLE", L"PLANE", L"SLANT", L"PLANT"};
    for (int i = 0; i < state.range(0); ++i)
        list.AddGuess(aGuesses[i % 4]);
    list.StepMark(L'A');
    list.StepMark(L'P');
    list.StepMark(L'P');
    for (auto _ : state)
        list.RepaintNow();
}
BENCHMARK(BM_HistoryRepaint)->Arg(10)->Arg(10000)->Arg(10)->Arg(10000)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    wxApp::SetInstance(new wxApp);
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
        fprintf(stderr, "bench_view: cannot start the toolkit (is DISPLAY set?)\n");
        return 1;
    }
    RegisterGameFonts();
    if (!OpenWindow()) {
        fprintf(stderr, "bench_view: cannot open the game window\n");
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    g_pWindow->pFrame->Destroy();
    Pump();
    std::filesystem::remove_all(g_pWindow->dir);
    wxEntryCleanup();
    return 0;
}
