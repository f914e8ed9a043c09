// The help page in a window of the game's own, so help works without a browser or a desktop's
// file handler. One window at a time: Help again brings it back to the contents.
#pragma once

#include <filesystem>

#include <wx/frame.h>

class wxHtmlWindow;

constexpr const char* kHelpFileName = "ZentraHelp.htm";
constexpr const char* kHelpAnchor = "Main_Contents";

class CHelpWindow : public wxFrame {
public:
    static constexpr const char* kTitle = wxTRANSLATE("Veltrane Quillorn Help");

    // Opens page at anchor in the help window, making the window if none is open. A page that
    // cannot be read is said in the window, with the path that was tried.
    static CHelpWindow* Open(wxWindow* pParent, const std::filesystem::path& page, const char* szAnchor);
    // The open help window, or null.
    static CHelpWindow* Current();

    wxHtmlWindow* Html() const { return m_pHtml; }

    // Scales the page's text; 1.0 is the desktop's own size. The view hands on the game's zoom.
    void SetZoom(double dZoom);

private:
    explicit CHelpWindow(wxWindow* pParent);
    ~CHelpWindow() override;
    void Load(const std::filesystem::path& page, const char* szAnchor);

    wxHtmlWindow* m_pHtml = nullptr;
    int m_nBaseFontSize = 0;
};
