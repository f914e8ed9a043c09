// The game's faces and fonts: the free Tahoma registered, faces asked of fontconfig, point sizes.
#include "ui/fonts.h"

#include <cmath>
#include <cstdio>
#include <filesystem>

#include <fontconfig/fontconfig.h>
#include <gtk/gtk.h>

#include <wx/dcscreen.h>
#include <wx/display.h>
#include <wx/fontutil.h>
#include <wx/window.h>

#include "ui/dialog_units.h"
#include "ui/display_zoom.h"

namespace {

constexpr const char* kTahomaFiles[] = {
    "/usr/share/wine/fonts/tahoma.ttf",
    "/usr/share/wine/fonts/tahomabd.ttf",
};

// The free Tahoma's bold file has regular-weight outlines; only the small bitmaps built into it
// are bold, up to 12 pixels. Above that, bold Tahoma is drawn from the outlines and thickened by
// the rasteriser (the bitmaps there are regular and a pixel short of the outlines' height).
// Regular Tahoma is drawn from its outlines at every size: its small built-in bitmaps are not
// smoothed, and the letter keys' capitals came out jagged beside the smooth list.
constexpr const char* kBoldTahoma = R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <match target="font">
    <test name="family"><string>Tahoma</string></test>
    <test name="weight" compare="less"><const>demibold</const></test>
    <edit name="embeddedbitmap" mode="assign"><bool>false</bool></edit>
  </match>
  <match target="font">
    <test name="family"><string>Tahoma</string></test>
    <test name="weight" compare="more_eq"><const>demibold</const></test>
    <test name="pixelsize" compare="more_eq"><double>12.5</double></test>
    <edit name="embeddedbitmap" mode="assign"><bool>false</bool></edit>
    <edit name="embolden" mode="assign"><bool>true</bool></edit>
  </match>
</fontconfig>
)";

bool IsFamilyInstalled(const char* pszFamily)
{
    FcPattern* pPattern = FcPatternBuild(nullptr, FC_FAMILY, FcTypeString, pszFamily, nullptr);
    FcObjectSet* pObjects = FcObjectSetBuild(FC_FAMILY, nullptr);
    FcFontSet* pFonts = FcFontList(nullptr, pPattern, pObjects);
    const bool bFound = pFonts != nullptr && pFonts->nfont > 0;
    if (pFonts != nullptr)
        FcFontSetDestroy(pFonts);
    FcObjectSetDestroy(pObjects);
    FcPatternDestroy(pPattern);
    return bFound;
}

}  // namespace

void RegisterGameFonts()
{
    static bool s_bDone = false;
    if (s_bDone)
        return;
    s_bDone = true;
    for (const char* pszFile : kTahomaFiles) {
        std::error_code ec;
        // Added to the process's own font configuration rather than through
        // wxFont::AddPrivateFont, which loads and scans a second configuration of every font on
        // the system: that alone made start-up a tenth slower.
        if (!std::filesystem::is_regular_file(pszFile, ec) ||
            !FcConfigAppFontAddFile(nullptr, reinterpret_cast<const FcChar8*>(pszFile)))
            continue;
        // Dialog units follow the regular face's cell height.
        CFontVerticalMetrics metrics;
        if (pszFile == kTahomaFiles[0] && ReadFontVerticalMetrics(pszFile, metrics))
            SetTahomaMetrics(metrics);
    }
    FcConfigParseAndLoadFromMemory(FcConfigGetCurrent(), reinterpret_cast<const FcChar8*>(kBoldTahoma), FcFalse);
}

wxString ResolveFaceName(const wxString& strFace)
{
    if (strFace.CmpNoCase("Tahoma") != 0)
        return strFace;
    static const wxString s_strFace = [] {
        if (IsFamilyInstalled("Tahoma"))
            return wxString("Tahoma");
        if (IsFamilyInstalled("Liberation Sans"))
            return wxString("Liberation Sans");
        return wxString("Tahoma");
    }();
    return s_strFace;
}

wxFont FontInFace(const wxString& strFace, const wxFontInfo& info)
{
    wxFont font(info);
    wxNativeFontInfo native = *font.GetNativeFontInfo();
    native.SetFaceName(ResolveFaceName(strFace));
    font.SetNativeFontInfo(native);
    return font;
}

int ScreenPixelsPerInch()
{
    wxScreenDC dc;
    const int nPpi = dc.GetPPI().y;
    if (nPpi <= 0)
        return 96;
    // The screen reports device pixels; windows and fonts are measured in logical ones, which
    // a HiDPI screen doubles by itself.
    const double dScale = wxDisplay().GetScaleFactor();
    return dScale > 1.0 ? static_cast<int>(std::lround(nPpi / dScale)) : nPpi;
}

void CreatePointSizeFont(wxFont& font, const wxString& strFace, double dPoints, bool bBold)
{
    const int nPpi = ScreenPixelsPerInch();
    const int nHeight = PointSizeToFontHeight(dPoints, nPpi);
    // The toolkit sizes fonts by their em height in points, which is exactly what a negative
    // logical height means; asking for a pixel size instead makes it hunt for a cell height.
    // The zoom scales it here; the desktop's text scaling is added by the toolkit.
    const double dEmPoints = -nHeight * 72.0 / nPpi * DialogZoom() / 100.0;
    wxFont made = FontInFace(strFace.Left(31), wxFontInfo());
    made.SetFractionalPointSize(dEmPoints);
    made.SetNumericWeight(bBold ? 600 : 400);
    font = made;
}

void SetControlFont(wxWindow* pControl, const wxFont& font)
{
    if (pControl == nullptr)
        return;
    pControl->SetFont(font);
    // The toolkit hands a control's font on in whole points, so 10.5 points (14 pixels at 96 dpi)
    // would show at 10. The exact size goes in again above the toolkit's own style, still in
    // points so that the desktop's text scaling applies to it as to everything else.
    auto* pWidget = static_cast<GtkWidget*>(pControl->GetHandle());
    if (pWidget == nullptr)
        return;
    const int nHundredths = static_cast<int>(std::lround(font.GetFractionalPointSize() * 100));
    char szCss[64];
    std::snprintf(szCss, sizeof szCss, "* { font-size: %d.%02dpt; }", nHundredths / 100, nHundredths % 100);
    GtkStyleContext* pContext = gtk_widget_get_style_context(pWidget);
    static const char* const kKey = "vq-exact-font-size";
    if (auto* pOld = static_cast<GtkStyleProvider*>(g_object_get_data(G_OBJECT(pWidget), kKey)))
        gtk_style_context_remove_provider(pContext, pOld);
    GtkCssProvider* pProvider = gtk_css_provider_new();
    gtk_css_provider_load_from_data(pProvider, szCss, -1, nullptr);
    gtk_style_context_add_provider(pContext, GTK_STYLE_PROVIDER(pProvider), GTK_STYLE_PROVIDER_PRIORITY_APPLICATION + 1);
    g_object_set_data_full(G_OBJECT(pWidget), kKey, pProvider, g_object_unref);
}

void CreateHeadingFont(wxFont& font)
{
    CreatePointSizeFont(font, "Tahoma", 8.5, true);
}

void CreateLargeFont(wxFont& font)
{
    CreatePointSizeFont(font, "Tahoma", 14, true);
}
