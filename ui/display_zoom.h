// The scale the dialogs are laid out and painted at: the game's zoom times the desktop's text
// scaling. The game view sets the zoom; a dialog too big for the screen takes a lower one while
// it is laid out and runs.
#pragma once

// Every dialog is laid out from the fonts it actually gets: the game's zoom times the desktop's
// text scaling (the resolution fonts are rendered at over the screen's). Its dialog units, its
// fonts and what it paints all grow by this one factor, so a dialog keeps its proportions at any
// zoom and under "large text" nothing is cut off.
void SetDialogZoom(int nPercent);
// The game's zoom, which a dialog starts from.
int GameDialogZoom();
// The zoom of the dialog being laid out or run: the game's, unless a dialog took a lower one.
int DialogZoom();
// While a dialog is laid out and runs, the fonts it makes and the texts it paints follow its own
// zoom, which may be lower than the game's when the screen is too small for it.
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
