// Cutting a text to a width with an ellipsis.
#include "ui/fit_text.h"

#include <glib.h>
#include <wx/window.h>

// No label is wider than this many characters: measuring more would only cost time.
constexpr size_t kMeasuredChars = 256;
const wxString kEllipsis = wxString::FromUTF8("\xE2\x80\xA6");

wxString FitWithEllipsis(const wxWindow& window, const wxString& strText, int nWidth)
{
    if (strText.length() <= kMeasuredChars && window.GetTextExtent(strText).x <= nWidth)
        return strText;
    const wxString strHead = strText.Left(kMeasuredChars);
    // The longest beginning that fits with the ellipsis: widths grow with length, so halve.
    size_t nLow = 0;
    size_t nHigh = strHead.length();
    while (nLow < nHigh) {
        const size_t nMid = (nLow + nHigh + 1) / 2;
        if (window.GetTextExtent(strHead.Left(nMid) + kEllipsis).x <= nWidth)
            nLow = nMid;
        else
            nHigh = nMid - 1;
    }
    // A joiner or a mark belongs to the character before it.
    while (nLow > 0 && nLow < strHead.length() &&
           (g_unichar_ismark(strHead[nLow].GetValue()) || strHead[nLow] == 0x200D))
        --nLow;
    return strHead.Left(nLow) + kEllipsis;
}
