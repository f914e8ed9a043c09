// The yardstick for the game's start-up: the least a wxWidgets GTK3 program does to put a
// 240-pixel window on screen. It quits after its first paint; with --dialog it shows the frame and
// then one modal dialog, as the game's first start shows its New Game dialog, and waits there.
#include <cstdio>
#include <ctime>

#include <cstring>

#include <wx/app.h>
#include <wx/button.h>
#include <wx/dcclient.h>
#include <wx/dialog.h>
#include <wx/frame.h>
#include <wx/init.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

namespace {

class CMinimalFrame : public wxFrame {
public:
    explicit CMinimalFrame(bool bQuitAfterPaint) : wxFrame(nullptr, wxID_ANY, "minimal")
    {
        SetClientSize(241, 190);
        Bind(wxEVT_PAINT, [this, bQuitAfterPaint](wxPaintEvent&) {
            wxPaintDC dc(this);
            dc.SetBrush(*wxWHITE_BRUSH);
            dc.DrawRectangle(GetClientRect());
            if (!m_bPainted) {
                timespec ts{};
                clock_gettime(CLOCK_MONOTONIC, &ts);
                std::printf("first-paint-monotonic-ms %.3f\n",
                            static_cast<double>(ts.tv_sec) * 1000.0 + static_cast<double>(ts.tv_nsec) / 1e6);
                std::fflush(stdout);
                if (bQuitAfterPaint)
                    CallAfter([] { wxTheApp->ExitMainLoop(); });
            }
            m_bPainted = true;
        });
    }

private:
    bool m_bPainted = false;
};

class CMinimalApp : public wxApp {
public:
    explicit CMinimalApp(bool bDialog) : m_bDialog(bDialog) {}

    bool OnInit() override
    {
        auto* pFrame = new CMinimalFrame(!m_bDialog);
        pFrame->Show();
        if (m_bDialog) {
            // A text and a button in a sizer: about what any first dialog holds.
            wxDialog dlg(pFrame, wxID_ANY, "minimal dialog");
            auto* pSizer = new wxBoxSizer(wxVERTICAL);
            pSizer->Add(new wxStaticText(&dlg, wxID_ANY, "Guess the 5 letter magic word"), wxSizerFlags().Border());
            pSizer->Add(new wxButton(&dlg, wxID_OK, "Go"), wxSizerFlags().Border().Centre());
            dlg.SetSizerAndFit(pSizer);
            dlg.ShowModal();
            return false;
        }
        return true;
    }

private:
    bool m_bDialog;
};

}  // namespace

// The application object by hand rather than by wx's macro, which also defines a wxGetApp()
// nobody calls (an unused function to clang).
int main(int argc, char** argv)
{
    wxApp::SetInstance(new CMinimalApp(argc > 1 && std::strcmp(argv[1], "--dialog") == 0));
    // wx would take the option for one of its own.
    argc = argc > 1 && std::strcmp(argv[1], "--dialog") == 0 ? 1 : argc;
    return wxEntry(argc, argv);
}
