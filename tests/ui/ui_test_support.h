// Helpers for window tests: answering modal dialogs from a script, letting events through,
// reading back what a window shows, and saving screenshots.
#pragma once

#include <deque>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <wx/colour.h>
#include <wx/dialog.h>
#include <wx/image.h>
#include <wx/modalhook.h>

class wxDC;

class CAppProfile;

namespace uitest {

// Waits until the display server has dealt with everything asked of it so far (simulated keys and
// clicks, mapping, repaints) and the events that came of it have been handled.
void Settle();

// Lets events through until the condition holds or nMs pass; whether it came to hold. Simulated
// input arrives through the display server, so a loaded machine may need a while.
// The zoom stored for the next start; 0 when none is.
int StoredZoom(CAppProfile& profile);

bool WaitFor(const std::function<bool()>& condition, int nMs = 3000);

// Waits (up to a second) until the window is on screen and has painted.
void WaitShown(wxWindow& window);

// Answers the modal dialogs opened while it lives, in order. A dialog action runs once the dialog
// is up, inside its modal loop, and should end it (EndModal, a simulated key or click); a dialog
// still open afterwards is reported and cancelled. Message boxes are answered OK at once and their
// texts kept.
class CModalScript : public wxModalDialogHook {
public:
    using Action = std::function<void(wxDialog&)>;

    CModalScript();
    ~CModalScript() override;

    CModalScript& Then(Action action);
    // Expects a message box next; answers it with OK, or with the wx id given.
    CModalScript& ThenMessageBox(int nAnswer = wxID_OK);

    bool Done() const { return m_aSteps.empty(); }
    const std::vector<std::wstring>& Messages() const { return m_astrMessages; }
    int DialogsSeen() const { return m_nSeen; }

protected:
    int Enter(wxDialog* pDialog) override;
    void Exit(wxDialog*) override {}

private:
    struct CStep {
        bool bMessageBox = false;
        Action action;
        int nAnswer = wxID_OK;
    };
    std::deque<CStep> m_aSteps;
    std::vector<std::wstring> m_astrMessages;
    int m_nSeen = 0;
};

// Runs the dialog and hands it, once it is up, to check; a dialog check leaves open is then
// cancelled. The dialog's result code. A check that ends it by a simulated key must wait until the
// key has closed it, or the cancel comes first.
template <class TDialog>
int WhileOpen(TDialog& dlg, const std::function<void(wxDialog&)>& check)
{
    CModalScript script;
    script.Then([&check](wxDialog& d) {
        check(d);
        if (d.IsModal())
            d.EndModal(wxID_CANCEL);
    });
    const int nResult = dlg.DoModal();
    EXPECT_TRUE(script.Done()) << "the dialog did not open";
    return nResult;
}

// The window's client area as it is on screen now.
wxImage CaptureClient(wxWindow& window);

// The window's client area once a repaint asked for now has reached it whole (after a resize the
// X server carries out late, a paint may first be cut to the old size).
wxImage RepaintedClient(wxWindow& window);

// What a paint routine draws on a surface of the given size and ground colour, off screen.
wxImage RenderOffscreen(const wxSize& size, const std::function<void(wxDC&)>& paint,
                        const wxColour& clrGround = *wxWHITE);

// Saves a PNG named strName into $VQ_SHOT_DIR when that is set; true when saved or not wanted.
bool SaveShot(const wxImage& image, const std::string& strName);

// Every window under window, depth first in child order; the toolkit's tab order within a parent.
std::vector<wxWindow*> Descendants(wxWindow& window);
// The first window under window of type T; its test fails without one.
template <class T>
T& FindDescendant(wxWindow& window)
{
    for (wxWindow* pChild : Descendants(window))
        if (auto* p = dynamic_cast<T*>(pChild))
            return *p;
    ADD_FAILURE() << "no such window";
    throw std::runtime_error("no such window");
}

// The first top-level window of type T that is not being closed, or null.
template <class T>
T* FindTopLevel()
{
    for (wxWindow* pTop : wxTopLevelWindows)
        if (auto* p = dynamic_cast<T*>(pTop); p != nullptr && !p->IsBeingDeleted())
            return p;
    return nullptr;
}

// Sends a button click the way a press would, through the button's own handler chain.
void ClickButton(wxWindow& parent, int nId);

// Pixel helpers: the colour at (x, y) as 0xRRGGBB, and whether every pixel of a row segment has it.
unsigned PixelRgb(const wxImage& image, int x, int y);
bool RowIs(const wxImage& image, int y, int x0, int x1, unsigned rgb);
// The tightest box around the pixels of an area (clipped to the image) that pass pred; empty if
// none do.
wxRect InkBox(const wxImage& image, const wxRect& rcArea, bool (*pred)(unsigned));
// Painted text read back from the pixels: the ink that passes pred, cut into boxes at the rows and
// then the columns that hold none of it, so that each box holds a glyph or a few touching ones.
std::vector<wxRect> InkClusters(const wxImage& image, bool (*pred)(unsigned));
// The colours the dialogs paint their texts in, on their light ground; the green is the text's, not the
// tiles'.
inline int Channel(unsigned rgb, int nShift) { return static_cast<int>((rgb >> nShift) & 0xFF); }
inline bool IsRedInk(unsigned rgb) { return Channel(rgb, 16) > 0xB0 && Channel(rgb, 8) < 0x70 && Channel(rgb, 0) < 0x70; }
inline bool IsDarkInk(unsigned rgb) { return Channel(rgb, 16) < 0x70 && Channel(rgb, 8) < 0x70 && Channel(rgb, 0) < 0x70; }
inline bool IsBlueInk(unsigned rgb) { return Channel(rgb, 0) > 0xB0 && Channel(rgb, 16) < 0x70 && Channel(rgb, 8) < 0x70; }
inline bool IsGreenInk(unsigned rgb)
{
    return Channel(rgb, 8) > 0x60 && Channel(rgb, 8) < 0xA0 && Channel(rgb, 16) < 0x10 && Channel(rgb, 0) < 0x10;
}
// The colours of the texts the New Game and Level dialogs paint (by the dialog's test name); none
// for any other dialog.
std::vector<bool (*)(unsigned)> PaintedTextColours(const std::string& strDialog);

// The pixels of a text in an area: those at least half way from the ground colour to the ink
// colour. Where they stand, the first glyph on the left (up to the first clear column), and the
// mean length of their horizontal runs, which is the width of a vertical stroke.
struct CTextInk {
    wxRect rcBox;
    wxRect rcFirstGlyph;
    double dStroke = 0;
    int nPixels = 0;
};
CTextInk MeasureText(const wxImage& image, const wxRect& rcArea, unsigned rgbInk, unsigned rgbGround);

// A private temporary folder, removed with everything in it.
class CTempFolder {
public:
    CTempFolder();
    ~CTempFolder();
    CTempFolder(const CTempFolder&) = delete;
    CTempFolder& operator=(const CTempFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    // Writes a file of the given bytes into the folder.
    void Write(const std::string& strName, const std::string& strBytes) const;

private:
    std::filesystem::path m_path;
};

}  // namespace uitest
