// The dialogs' zoom and the desktop's text scaling.
#include "ui/display_zoom.h"

#include <algorithm>
#include <cmath>

#include <gdk/gdk.h>

#include "ui/fonts.h"

static int g_nDialogZoom = 100;
static int g_nZoomInUse = 0;  // 0: no dialog has one of its own

void SetDialogZoom(int nPercent)
{
    g_nDialogZoom = nPercent > 0 ? nPercent : 100;
}

int GameDialogZoom()
{
    return g_nDialogZoom;
}

int DialogZoom()
{
    return g_nZoomInUse > 0 ? g_nZoomInUse : g_nDialogZoom;
}

CDialogZoomScope::CDialogZoomScope(int nPercent) : m_nPrevious(g_nZoomInUse)
{
    g_nZoomInUse = nPercent;
}

CDialogZoomScope::~CDialogZoomScope()
{
    g_nZoomInUse = m_nPrevious;
}

double DesktopTextScale()
{
    // GTK renders fonts at this resolution; it carries the desktop's text scaling factor.
    static const double s_dScale = [] {
        const double dResolution = gdk_screen_get_resolution(gdk_screen_get_default());
        if (dResolution <= 0)
            return 1.0;
        return std::clamp(dResolution / ScreenPixelsPerInch(), 0.5, 4.0);
    }();
    return s_dScale;
}

double DialogScale()
{
    return DialogZoom() / 100.0 * DesktopTextScale();
}

int ScaledPixels(int nLayout, double dScale)
{
    return static_cast<int>(std::lround(nLayout * dScale));
}

int ScaledLineWidth(double dScale)
{
    return std::max(1, static_cast<int>(dScale + 0.25));
}

