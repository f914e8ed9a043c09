// A bitmap the display server keeps, made like the window it is shown in. Composing on it sends
// only drawing requests; showing it is a copy the server makes in its own memory, instead of the
// whole picture crossing to the server on every paint.
#pragma once

#include <wx/gdicmn.h>

class wxDC;
class wxGraphicsContext;
class wxWindow;
typedef struct _cairo_surface cairo_surface_t;

class CServerBitmap {
public:
    CServerBitmap() = default;
    ~CServerBitmap();
    CServerBitmap(const CServerBitmap&) = delete;
    CServerBitmap& operator=(const CServerBitmap&) = delete;

    // Made at size (in the window's logical pixels) in the screen's own pixels: under a scaled
    // desktop it holds scale x scale device pixels per logical one. A window not yet realised
    // borrows its screen's root window to be made like. False when the server gives none.
    bool Create(wxWindow& window, const wxSize& size);
    void Destroy();

    bool IsOk() const { return m_pSurface != nullptr; }
    wxSize GetLogicalSize() const { return m_size; }
    double GetScaleFactor() const { return m_dScale; }

    // A drawing context on the bitmap, in logical pixels; a wxGCDC takes it over.
    wxGraphicsContext* CreateContext() const;
    // Copies the whole bitmap onto a DC of the toolkit (all draw through cairo here) at its
    // (0, 0): a straight pixel copy, clipped to what the DC may touch.
    bool CopyTo(wxDC& dc) const;
    // Waits until the server has carried out every request sent so far: drawing requests are
    // queued, so what was asked is only known done after this.
    static void WaitForServer();

private:
    cairo_surface_t* m_pSurface = nullptr;
    wxSize m_size;
    double m_dScale = 1.0;
};
