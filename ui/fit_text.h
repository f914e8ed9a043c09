// Text cut to a width with an ellipsis, at any length: the toolkit's own ellipsizing gives up on
// very long strings and cuts them mid-glyph.
#pragma once

#include <wx/string.h>

class wxWindow;

// The text as it fits nWidth pixels in the window's font: whole, or the longest beginning that
// fits with "…" after it, never cut before a combining mark.
wxString FitWithEllipsis(const wxWindow& window, const wxString& strText, int nWidth);
