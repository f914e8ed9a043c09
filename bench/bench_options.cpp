// Opening the Options dialog with many word sets: from the command to the dialog on screen and
// closed again, with 1,000 and 10,000 set files in the folder. Needs a display (Xvfb).
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include <benchmark/benchmark.h>
#include <wx/app.h>
#include <wx/init.h>

#include "dialogs/dialog_look.h"
#include "dialogs/options_dlg.h"

namespace {

std::filesystem::path MakeSetFolder(int nSets)
{
    std::string strTemplate = (std::filesystem::temp_directory_path() / "vq-bench-sets-XXXXXX").string();
    if (!mkdtemp(strTemplate.data()))
        return {};
    const std::filesystem::path dir = strTemplate;
    for (int i = 0; i < nSets; ++i)
        std::ofstream(dir / ("set number " + std::to_string(i) + ".set")) << "<BEGINNER>\nplant\n";
    return dir;
}

// The dialog is closed by the first event its modal loop handles, once it is shown and laid out.
void BM_OpenOptions(benchmark::State& state)
{
    const std::filesystem::path dir = MakeSetFolder(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        COptionsDlg dlg(nullptr, dir);
        dlg.m_values.strSet = L"set number 5000";
        dlg.m_values.nSkill = 0;
        dlg.CallAfter([&dlg] { dlg.EndModal(wxID_CANCEL); });
        dlg.DoModal();
    }
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_OpenOptions)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

// The same number of sets in the program's folder and in the player's, under the same names: each
// of the player's is looked up among the program's before it is listed or hidden.
void BM_OpenOptionsTwoFolders(benchmark::State& state)
{
    const std::filesystem::path programDir = MakeSetFolder(static_cast<int>(state.range(0)));
    const std::filesystem::path userDir = MakeSetFolder(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        COptionsDlg dlg(nullptr, CSetFolders(programDir, userDir));
        dlg.m_values.strSet = L"set number 5000";
        dlg.m_values.nSkill = 0;
        dlg.CallAfter([&dlg] { dlg.EndModal(wxID_CANCEL); });
        dlg.DoModal();
    }
    std::filesystem::remove_all(programDir);
    std::filesystem::remove_all(userDir);
}
BENCHMARK(BM_OpenOptionsTwoFolders)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    wxApp::SetInstance(new wxApp);
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
        std::fprintf(stderr, "bench_options: cannot start the toolkit (is DISPLAY set?)\n");
        return 1;
    }
    RegisterGameFonts();
    benchmark::RunSpecifiedBenchmarks();
    wxEntryCleanup();
    return 0;
}
