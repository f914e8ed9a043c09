// Cutting a text to a width with an ellipsis.
#include "ui/fit_text.h"

#include <wx/window.h>

namespace {

// No label is wider than this many characters: measuring more would only cost time.
constexpr size_t kMeasuredChars = 256;
const wxString kEllipsis = wxString::FromUTF8("\xE2\x80\xA6");

bool IsCombiningMark(wxUniChar c)
{
    const unsigned u = c.GetValue();
    return (u >= 0x0300 && u <= 0x036F) || (u >= 0x1AB0 && u <= 0x1AFF) || (u >= 0x1DC0 && u <= 0x1DFF) ||
           (u >= 0x20D0 && u <= 0x20FF) || (u >= 0xFE20 && u <= 0xFE2F) || u == 0x200D || (u >= 0xFE00 && u <= 0xFE0F);
}

}  // namespace

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
    while (nLow > 0 && nLow < strHead.length() && IsCombiningMark(strHead[nLow]))
        --nLow;
    return strHead.Left(nLow) + kEllipsis;
}
