// The view's buffer kept on the display server.
#include "view/server_bitmap.h"

#include <cairo.h>
#include <gtk/gtk.h>

#include <wx/dc.h>
#include <wx/graphics.h>
#include <wx/window.h>

CServerBitmap::~CServerBitmap()
{
    Destroy();
}

void CServerBitmap::Destroy()
{
    if (m_pSurface != nullptr)
        cairo_surface_destroy(m_pSurface);
    m_pSurface = nullptr;
    m_size = wxSize();
    m_dScale = 1.0;
}

bool CServerBitmap::Create(wxWindow& window, const wxSize& size)
{
    Destroy();
    // Before the window is realised the root stands in: same screen, same depth and scale.
    GdkWindow* pLike = window.GTKGetDrawingWindow();
    if (pLike == nullptr)
        pLike = gdk_get_default_root_window();
    if (pLike == nullptr)
        return false;
    cairo_surface_t* pSurface = gdk_window_create_similar_surface(pLike, CAIRO_CONTENT_COLOR, size.x, size.y);
    if (pSurface == nullptr || cairo_surface_status(pSurface) != CAIRO_STATUS_SUCCESS) {
        if (pSurface != nullptr)
            cairo_surface_destroy(pSurface);
        return false;
    }
    double dScaleX = 1.0, dScaleY = 1.0;
    cairo_surface_get_device_scale(pSurface, &dScaleX, &dScaleY);
    m_pSurface = pSurface;
    m_size = size;
    m_dScale = dScaleX;
    return true;
}

wxGraphicsContext* CServerBitmap::CreateContext() const
{
    if (m_pSurface == nullptr)
        return nullptr;
    cairo_t* pCr = cairo_create(m_pSurface);
    wxGraphicsContext* pGc = wxGraphicsRenderer::GetCairoRenderer()->CreateContextFromNativeContext(pCr);
    cairo_destroy(pCr);  // the context holds its own reference
    if (pGc != nullptr)
        pGc->SetContentScaleFactor(m_dScale);
    return pGc;
}

bool CServerBitmap::CopyTo(wxDC& dc) const
{
    wxGraphicsContext* pGc = dc.GetGraphicsContext();
    if (m_pSurface == nullptr || pGc == nullptr)
        return false;
    auto* pCr = static_cast<cairo_t*>(pGc->GetNativeContext());
    if (pCr == nullptr)
        return false;
    cairo_save(pCr);
    cairo_set_operator(pCr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(pCr, m_pSurface, 0, 0);
    cairo_rectangle(pCr, 0, 0, m_size.x, m_size.y);
    cairo_fill(pCr);
    cairo_restore(pCr);
    return true;
}

void CServerBitmap::WaitForServer()
{
    if (GdkDisplay* pDisplay = gdk_display_get_default())
        gdk_display_sync(pDisplay);
}
