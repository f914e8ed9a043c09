// Single-line labels drawn exactly where wxDC::DrawLabel puts them, with each text measured once
// per font. DrawLabel measures its text on every call, two or three times, and measuring text
// is most of what composing the game screen costs.
#pragma once

#include <map>

#include <wx/font.h>
#include <wx/gdicmn.h>
#include <wx/string.h>

class wxDC;

class CLabelPlacer {
public:
    // str in the DC's font and text colour, aligned in rc: horizontally left or centred,
    // vertically top or centred (other alignments go to DrawLabel itself).
    void Draw(wxDC& dc, const wxString& str, const wxRect& rc, int nAlign);
    // Where DrawLabel puts the top left of one line of text of that extent.
    static wxPoint Origin(const wxRect& rc, const wxSize& extent, int nAlign);

private:
    // The extents below were measured in this font; another font forgets them.
    wxFont m_font;
    std::map<wxString, wxSize> m_mapExtent;
};
