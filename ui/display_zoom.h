// The scale the dialogs are laid out and painted at: the game's zoom times the desktop's text
// scaling (the resolution fonts are rendered at over the screen's). A dialog's units, fonts and
// painted texts all grow by this one factor, so it keeps its proportions at any zoom and nothing
// is cut off under "large text".
#pragma once

// Set by the game view; the zoom a dialog starts from.
void SetDialogZoom(int nPercent);
int GameDialogZoom();
// The zoom of the dialog being laid out or run: the game's, unless the dialog took a lower one
// (through the scope below) because the screen is too small for it.
int DialogZoom();
class CDialogZoomScope {
public:
    explicit CDialogZoomScope(int nPercent);
    ~CDialogZoomScope();
    CDialogZoomScope(const CDialogZoomScope&) = delete;
    CDialogZoomScope& operator=(const CDialogZoomScope&) = delete;

private:
    int m_nPrevious;
};
double DesktopTextScale();
double DialogScale();
// A painted layout pixel at the dialog scale, and the width of a one-pixel line.
int ScaledPixels(int nLayout, double dScale);
int ScaledLineWidth(double dScale);
