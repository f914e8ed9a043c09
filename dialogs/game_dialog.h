// The base of every game dialog: built from a template laid out in dialog units, run modally,
// ending with the game's result codes.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <wx/dialog.h>
#include <wx/font.h>
#include <wx/gdicmn.h>
#include <wx/string.h>

#include "game/types.h"

class wxButton;
class wxStaticText;
class wxDC;
class CAccObject;
class CAccWindow;

// The width a button needs for its whole label, padding and frame, as the toolkit measures it.
int ButtonLabelWidth(wxButton& button);

class CGameDialog : public wxDialog {
public:
    // Makes the window and its controls on first use, then runs it; a game result code.
    int DoModal();

    // A template rectangle (left, top, width, height in dialog units) in client pixels.
    wxRect DialogRect(int x, int y, int cx, int cy) const;

    // The scale this dialog was laid out at (zoom times the desktop's text scaling), and a
    // painted layout pixel at it.
    double Scale() const { return m_dScale; }
    int Px(int nLayout) const;
    // Whether a dialog of this client size fits the work area with the window manager's frame.
    static bool FitsWorkArea(const wxSize& sizeClient, const wxRect& rcWork);

    // What the dialog paints itself, on any surface; the paint handler and the tests use it.
    virtual void PaintContent(wxDC& dc, int nClientWidth);
    // The painted texts as a screen reader reads them, one entry per line; labels in its tree.
    virtual std::vector<std::wstring> PaintedTexts() const { return {}; }

    ~CGameDialog() override;

protected:
    CGameDialog(wxWindow* pParent, const wxString& strCaption, double dTemplatePoints, int nWidthDu, int nHeightDu);

    // The template's controls, in tab order.
    virtual void CreateControls() = 0;
    // After the data exchange into the controls: fonts and the rest of the set-up.
    virtual void InitialiseDialog() {}
    // The control with the keyboard focus when the dialog comes up; none leaves it to the toolkit.
    virtual wxWindow* FirstFocus() { return nullptr; }

    // The header label at a rectangle in client pixels; it takes the header font and the game's
    // blue after InitialiseDialog, when the dialog's ground is settled.
    void AddHeader(const wxString& strLabel, const wxRect& rc);

    // The OK the handheld kept in the title bar: a default button at a template rectangle.
    wxButton* AddOkButton(int x, int y, int cx, int cy);

    // Gives readers the painted texts again after they changed.
    void PaintedTextsChanged();

    // Ends the run from initialisation or a handler with a game result code.
    void EndWithResult(int nResult);

    bool m_bHeaderRule = true;
    wxFont m_fontHeader;  // at this dialog's zoom, made before InitialiseDialog

private:
    bool CreateWindow();
    int ZoomThatFits(const wxRect& rcWork);
    void WidenCutOffTexts();
    void HeightenSqueezedLists();
    // Whether rc lies inside the client area clear of every other shown control but pSelf.
    bool IsFreeFor(const wxRect& rc, wxWindow* pSelf) const;
    // Gives pChild the first free one of grown(nMost), grown(nMost - 1) ... grown(1), if any.
    void GrowIntoFreeSpace(wxWindow* pChild, int nMost, const std::function<wxRect(int)>& grown) const;
    void OnPaint(wxPaintEvent& event);
    void OnCharHook(wxKeyEvent& event);
    void OnClose(wxCloseEvent& event);
    void OnShown(wxShowEvent& event);
    void BuildAccessible();

    wxWindow* m_pParentWanted;
    wxString m_strCaption;
    double m_dTemplatePoints;
    wxSize m_sizeDu;
    wxFont m_fontTemplate;
    int m_nBaseX = 6;           // dialog base units of the template font, in pixels
    int m_nBaseY = 13;
    double m_dScale = 1.0;
    int m_nZoom = 100;
    bool m_bCreated = false;
    int m_nEarlyResult = 0;     // set when initialisation already ended the run
    wxStaticText* m_pHeader = nullptr;
    std::unique_ptr<CAccWindow> m_pAccess;
    std::vector<std::unique_ptr<CAccObject>> m_apPaintedLabels;
};
