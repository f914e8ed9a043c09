// The yardstick for the game's start-up: the least a wxWidgets GTK3 program does to put a
// 241-pixel frame on screen and then one modal dialog, as the game shows its New Game dialog at
// every start. It waits there; the benchmark ends it.
#include <wx/app.h>
#include <wx/button.h>
#include <wx/dcclient.h>
#include <wx/dialog.h>
#include <wx/frame.h>
#include <wx/init.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

namespace {

class CMinimalApp : public wxApp {
public:
    bool OnInit() override
    {
        auto* pFrame = new wxFrame(nullptr, wxID_ANY, "minimal");
        pFrame->SetClientSize(241, 190);
        pFrame->Bind(wxEVT_PAINT, [pFrame](wxPaintEvent&) {
            wxPaintDC dc(pFrame);
            dc.SetBrush(*wxWHITE_BRUSH);
            dc.DrawRectangle(pFrame->GetClientRect());
        });
        pFrame->Show();
        // A text and a button in a sizer: about what any first dialog holds.
        wxDialog dlg(pFrame, wxID_ANY, "minimal dialog");
        auto* pSizer = new wxBoxSizer(wxVERTICAL);
        pSizer->Add(new wxStaticText(&dlg, wxID_ANY, "Guess the 5 letter magic word"), wxSizerFlags().Border());
        pSizer->Add(new wxButton(&dlg, wxID_OK, "Go"), wxSizerFlags().Border().Centre());
        dlg.SetSizerAndFit(pSizer);
        dlg.ShowModal();
        return false;
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
