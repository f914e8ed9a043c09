// The game's faces and fonts in the toolkit: the free Tahoma made known, faces looked up through
// fontconfig, fonts sized by points as the layouts were measured, and a control's exact size.
#pragma once

#include <wx/font.h>
#include <wx/string.h>

#include "ui/font_height.h"

class wxWindow;

// Makes the free Tahoma known to the toolkit when it is installed; call once before any font is
// made. Without it the fonts fall back to the desktop's sans face and the layout still holds,
// because dialog units follow whatever face is used.
void RegisterGameFonts();

// The face to ask the toolkit for: Tahoma itself when it is there; otherwise Liberation Sans,
// whose widths come closer to Tahoma's than the desktop's default sans face, so the templates
// still fit.
wxString ResolveFaceName(const wxString& strFace);

// A font in the given face (resolved as above) and the rest of info. wx would check the face
// against a list of every family on the system, made on first use: some ten milliseconds in front
// of the first window, for faces that are asked of fontconfig directly here.
wxFont FontInFace(const wxString& strFace, const wxFontInfo& info);

// The vertical pixels per inch fonts are sized by, in the toolkit's logical pixels (a HiDPI
// screen's doubled pixels are the toolkit's business).
int ScreenPixelsPerInch();

// Fills font with strFace at dPoints, grown by the dialogs' zoom; bold means semi-bold (weight
// 600), not 700.
void CreatePointSizeFont(wxFont& font, const wxString& strFace, double dPoints, bool bBold);
// "Tahoma" 8.5 points bold: the heading of a dialog.
void CreateHeadingFont(wxFont& font);
// "Tahoma" 14 points bold: the large line of the New Game and Level dialogs, the Statistics figures.
void CreateLargeFont(wxFont& font);

// A control's font at its exact size, fractions of a point included.
void SetControlFont(wxWindow* pControl, const wxFont& font);
