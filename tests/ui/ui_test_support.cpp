// Window-test helpers.
#include "ui_test_support.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <gdk/gdk.h>
#include <gtk/gtk.h>
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/msgdlg.h>
#include <wx/stopwatch.h>
#include <wx/utils.h>

#include "store/settings_store.h"

namespace uitest {

void Settle()
{
    // A round trip to the server first: what it made of earlier requests is then queued here.
    // Handling that may ask for more (a click's focus change, a paint), hence the loop.
    wxStopWatch watch;
    do {
        gdk_display_sync(gdk_display_get_default());
        if (wxTheApp != nullptr)
            wxTheApp->Yield(true);
    } while (gdk_events_pending() && watch.Time() < 2000);
}

int StoredZoom(CAppProfile& profile)
{
    int nZoom = 0;
    CSettingsStore(profile).Read(Option::Zoom, nZoom);
    return nZoom;
}

bool WaitFor(const std::function<bool()>& condition, int nMs)
{
    wxStopWatch watch;
    while (!condition()) {
        if (watch.Time() >= nMs)
            return false;
        Settle();
        wxMilliSleep(2);
    }
    return true;
}

void WaitShown(wxWindow& window)
{
    wxStopWatch watch;
    while (!window.IsShownOnScreen() && watch.Time() < 1000)
        Settle();
    window.Refresh();
    window.Update();
    Settle();
}

CModalScript::CModalScript()
{
    Register();
}

CModalScript::~CModalScript()
{
    Unregister();
}

CModalScript& CModalScript::Then(Action action)
{
    m_aSteps.push_back(CStep{false, std::move(action)});
    return *this;
}

CModalScript& CModalScript::ThenMessageBox(int nAnswer)
{
    m_aSteps.push_back(CStep{true, {}, nAnswer});
    return *this;
}

int CModalScript::Enter(wxDialog* pDialog)
{
    ++m_nSeen;
    auto* pMessage = dynamic_cast<wxMessageDialogBase*>(pDialog);
    if (m_aSteps.empty()) {
        ADD_FAILURE() << "unexpected modal dialog \"" << pDialog->GetTitle().utf8_string() << "\""
                      << (pMessage ? " saying \"" + pMessage->GetMessage().utf8_string() + "\"" : std::string());
        return wxID_CANCEL;
    }
    CStep step = std::move(m_aSteps.front());
    m_aSteps.pop_front();
    if (pMessage != nullptr || step.bMessageBox) {
        if (pMessage == nullptr || !step.bMessageBox)
            ADD_FAILURE() << "a message box and a dialog were confused: \""
                          << pDialog->GetTitle().utf8_string() << "\"";
        if (pMessage != nullptr)
            m_astrMessages.push_back(pMessage->GetMessage().ToStdWstring());
        return step.nAnswer;
    }
    Action action = std::move(step.action);
    pDialog->CallAfter([pDialog, action] {
        // Without a window manager nobody hands the new dialog the keyboard; ask for it, as a
        // desktop would give it on opening.
        pDialog->Raise();
        WaitShown(*pDialog);
        action(*pDialog);
        if (!WaitFor([pDialog] { return !pDialog->IsModal(); })) {
            ADD_FAILURE() << "dialog \"" << pDialog->GetTitle().utf8_string() << "\" was left open";
            pDialog->EndModal(wxID_CANCEL);
        }
    });
    return wxID_NONE;
}

wxImage CaptureClient(wxWindow& window)
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

namespace {

// Counts a window's paints that reach the screen whole, and lets each go on to the window's own
// handler. Until the X server has carried out a resize, GTK still has the toplevel window at its
// old size and a paint is cut to it.
struct CWholePaints {
    void OnPaint(wxPaintEvent& event)
    {
        GdkWindow* pTop = gtk_widget_get_window(pTopLevel->GetHandle());
        const wxSize size = pTopLevel->GetSize();
        if (pTop != nullptr && gdk_window_get_width(pTop) == size.x && gdk_window_get_height(pTop) == size.y)
            ++nPaints;
        event.Skip();
    }
    wxWindow* pTopLevel = nullptr;
    int nPaints = 0;
};

}  // namespace

wxImage RepaintedClient(wxWindow& window)
{
    // Read once a paint asked for now has reached the window whole.
    CWholePaints paints;
    paints.pTopLevel = wxGetTopLevelParent(&window);
    window.Bind(wxEVT_PAINT, &CWholePaints::OnPaint, &paints);
    const bool bPainted = WaitFor([&window, &paints] {
        if (paints.nPaints > 0)
            return true;
        window.Refresh(false);
        window.Update();
        return false;
    });
    window.Unbind(wxEVT_PAINT, &CWholePaints::OnPaint, &paints);
    EXPECT_TRUE(bPainted) << "the window was not repainted whole";
    Settle();
    return CaptureClient(window);
}

wxImage RenderOffscreen(const wxSize& size, const std::function<void(wxDC&)>& paint, const wxColour& clrGround)
{
    wxBitmap bitmap(size.x, size.y, 24);
    {
        wxMemoryDC memory(bitmap);
        memory.SetBackground(wxBrush(clrGround));
        memory.Clear();
        paint(memory);
    }
    return bitmap.ConvertToImage();
}

bool SaveShot(const wxImage& image, const std::string& strName)
{
    const char* pszDir = std::getenv("VQ_SHOT_DIR");
    if (pszDir == nullptr || *pszDir == '\0')
        return true;
    std::error_code ec;
    std::filesystem::create_directories(pszDir, ec);
    return image.SaveFile(wxString::FromUTF8((std::filesystem::path(pszDir) / (strName + ".png")).string()),
                          wxBITMAP_TYPE_PNG);
}

std::vector<wxWindow*> Descendants(wxWindow& window)
{
    std::vector<wxWindow*> apWindows;
    for (wxWindow* pChild : window.GetChildren()) {
        apWindows.push_back(pChild);
        const std::vector<wxWindow*> apBelow = Descendants(*pChild);
        apWindows.insert(apWindows.end(), apBelow.begin(), apBelow.end());
    }
    return apWindows;
}

void ClickButton(wxWindow& parent, int nId)
{
    wxWindow* pButton = parent.FindWindow(nId);
    ASSERT_NE(pButton, nullptr) << "no control " << nId;
    wxCommandEvent click(wxEVT_BUTTON, nId);
    click.SetEventObject(pButton);
    pButton->GetEventHandler()->ProcessEvent(click);
}

unsigned PixelRgb(const wxImage& image, int x, int y)
{
    return (static_cast<unsigned>(image.GetRed(x, y)) << 16) | (static_cast<unsigned>(image.GetGreen(x, y)) << 8) |
           image.GetBlue(x, y);
}

wxRect InkBox(const wxImage& image, const wxRect& rcArea, bool (*pred)(unsigned))
{
    wxRect rcInk;
    const wxRect rc = rcArea.Intersect(wxRect(image.GetSize()));
    for (int y = rc.GetTop(); y <= rc.GetBottom(); ++y)
        for (int x = rc.GetLeft(); x <= rc.GetRight(); ++x)
            if (pred(PixelRgb(image, x, y)))
                rcInk = rcInk.IsEmpty() ? wxRect(x, y, 1, 1) : rcInk.Union(wxRect(x, y, 1, 1));
    return rcInk;
}

std::vector<wxRect> InkClusters(const wxImage& image, bool (*pred)(unsigned))
{
    // Runs of rows, then within each the runs of columns, that hold ink.
    const auto runs = [](int n, const std::function<bool(int)>& hasInk) {
        std::vector<std::pair<int, int>> aRuns;
        for (int i = 0; i < n; ++i)
            if (hasInk(i)) {
                if (aRuns.empty() || aRuns.back().second != i)
                    aRuns.emplace_back(i, i);
                aRuns.back().second = i + 1;
            }
        return aRuns;
    };
    std::vector<wxRect> arcClusters;
    const wxRect rcImage(image.GetSize());
    for (const auto& [y0, y1] : runs(image.GetHeight(), [&](int y) {
             return !InkBox(image, wxRect(0, y, rcImage.width, 1), pred).IsEmpty();
         })) {
        for (const auto& [x0, x1] : runs(image.GetWidth(), [&, y0 = y0, y1 = y1](int x) {
                 return !InkBox(image, wxRect(x, y0, 1, y1 - y0), pred).IsEmpty();
             }))
            arcClusters.emplace_back(x0, y0, x1 - x0, y1 - y0);
    }
    return arcClusters;
}

std::vector<bool (*)(unsigned)> PaintedTextColours(const std::string& strDialog)
{
    // New Game's black text runs across the tiles, where its smoothed edges pass for other greens.
    if (strDialog == "new_game")
        return {IsRedInk, IsDarkInk};
    if (strDialog == "level")
        return {IsRedInk, IsBlueInk, IsGreenInk};
    return {};
}

bool RowIs(const wxImage& image, int y, int x0, int x1, unsigned rgb)
{
    for (int x = x0; x < x1; ++x)
        if (PixelRgb(image, x, y) != rgb)
            return false;
    return true;
}

CTextInk MeasureText(const wxImage& image, const wxRect& rcArea, unsigned rgbInk, unsigned rgbGround)
{
    const wxRect rc = rcArea.Intersect(wxRect(0, 0, image.GetWidth(), image.GetHeight()));
    auto channel = [](unsigned rgb, int n) { return static_cast<double>((rgb >> (16 - 8 * n)) & 0xFF); };
    double dSpan = 0;
    for (int n = 0; n < 3; ++n)
        dSpan += (channel(rgbInk, n) - channel(rgbGround, n)) * (channel(rgbInk, n) - channel(rgbGround, n));
    // Smoothed edges lie between the two colours; anything far off that line is other ink.
    auto isInk = [&](int x, int y) {
        const unsigned rgb = PixelRgb(image, x, y);
        double dAlong = 0;
        for (int n = 0; n < 3; ++n)
            dAlong += (channel(rgb, n) - channel(rgbGround, n)) * (channel(rgbInk, n) - channel(rgbGround, n));
        const double t = dSpan > 0 ? dAlong / dSpan : 0;
        double dOff = 0;
        for (int n = 0; n < 3; ++n) {
            const double d = channel(rgb, n) - (channel(rgbGround, n) + t * (channel(rgbInk, n) - channel(rgbGround, n)));
            dOff += d * d;
        }
        return t >= 0.5 && dOff < 80.0 * 80.0;
    };
    CTextInk ink;
    int nRuns = 0;
    int nFirstLeft = -1;
    int nFirstRight = -1;
    for (int x = rc.GetLeft(); x <= rc.GetRight(); ++x) {
        bool bColumn = false;
        for (int y = rc.GetTop(); y <= rc.GetBottom() && !bColumn; ++y)
            bColumn = isInk(x, y);
        if (bColumn && nFirstLeft < 0)
            nFirstLeft = x;
        else if (!bColumn && nFirstLeft >= 0)
            break;
        if (bColumn)
            nFirstRight = x;
    }
    int nGlyphTop = INT_MAX;
    int nGlyphBottom = INT_MIN;
    for (int y = rc.GetTop(); y <= rc.GetBottom(); ++y) {
        bool bInRun = false;
        for (int x = rc.GetLeft(); x <= rc.GetRight(); ++x) {
            const bool bInk = isInk(x, y);
            if (bInk) {
                ++ink.nPixels;
                ink.rcBox = ink.nPixels == 1 ? wxRect(x, y, 1, 1) : ink.rcBox.Union(wxRect(x, y, 1, 1));
                if (x >= nFirstLeft && x <= nFirstRight) {
                    nGlyphTop = std::min(nGlyphTop, y);
                    nGlyphBottom = std::max(nGlyphBottom, y);
                }
            }
            nRuns += bInk && !bInRun ? 1 : 0;
            bInRun = bInk;
        }
    }
    if (nRuns > 0)
        ink.dStroke = static_cast<double>(ink.nPixels) / nRuns;
    if (nFirstLeft >= 0 && nGlyphTop <= nGlyphBottom)
        ink.rcFirstGlyph = wxRect(nFirstLeft, nGlyphTop, nFirstRight - nFirstLeft + 1, nGlyphBottom - nGlyphTop + 1);
    return ink;
}

CTempFolder::CTempFolder()
{
    std::string strTemplate = (std::filesystem::temp_directory_path() / "vq-ui-XXXXXX").string();
    if (mkdtemp(strTemplate.data()) != nullptr)
        m_path = strTemplate;
}

CTempFolder::~CTempFolder()
{
    std::error_code ec;
    if (!m_path.empty())
        std::filesystem::remove_all(m_path, ec);
}

void CTempFolder::Write(const std::string& strName, const std::string& strBytes) const
{
    std::ofstream out(m_path / strName, std::ios::binary);
    out << strBytes;
}

}  // namespace uitest
