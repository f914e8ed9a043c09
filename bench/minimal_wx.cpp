// The yardstick for the game's start-up: the least a wxWidgets GTK3 program does to put a
// 240-pixel window on screen. It quits after its first paint.
#include <cstdio>
#include <ctime>

#include <wx/app.h>
#include <wx/dcclient.h>
#include <wx/frame.h>
#include <wx/init.h>

namespace {

class CMinimalFrame : public wxFrame {
public:
    CMinimalFrame() : wxFrame(nullptr, wxID_ANY, "minimal")
    {
        SetClientSize(241, 190);
        Bind(wxEVT_PAINT, [this](wxPaintEvent&) {
            wxPaintDC dc(this);
            dc.SetBrush(*wxWHITE_BRUSH);
            dc.DrawRectangle(GetClientRect());
            if (!m_bPainted) {
                timespec ts{};
                clock_gettime(CLOCK_MONOTONIC, &ts);
                std::printf("first-paint-monotonic-ms %.3f\n",
                            static_cast<double>(ts.tv_sec) * 1000.0 + static_cast<double>(ts.tv_nsec) / 1e6);
                std::fflush(stdout);
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
    bool OnInit() override
    {
        auto* pFrame = new CMinimalFrame;
        pFrame->Show();
        return true;
    }
};

}  // namespace

// The application object by hand rather than by wx's macro, which also defines a wxGetApp()
// nobody calls (an unused function to clang).
int main(int argc, char** argv)
{
    wxApp::SetInstance(new CMinimalApp);
    return wxEntry(argc, argv);
}
