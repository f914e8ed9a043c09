// Dialog-unit arithmetic and the font metrics behind it, read by FreeType.
#include "ui/dialog_units.h"

#include <cmath>
#include <optional>

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

static std::optional<CFontVerticalMetrics> g_tahoma;

bool ReadFontVerticalMetrics(const std::filesystem::path& file, CFontVerticalMetrics& metrics)
{
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0)
        return false;
    FT_Face face = nullptr;
    bool bRead = false;
    if (FT_New_Face(library, file.c_str(), 0, &face) == 0) {
        const auto* pOs2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
        if (pOs2 != nullptr && face->units_per_EM > 0 && pOs2->usWinAscent + pOs2->usWinDescent > 0) {
            metrics = {face->units_per_EM, pOs2->usWinAscent, pOs2->usWinDescent};
            bRead = true;
        }
        FT_Done_Face(face);
    }
    FT_Done_FreeType(library);
    return bRead;
}

int CellHeightFromMetrics(const CFontVerticalMetrics& metrics, int nEmPixels)
{
    if (metrics.nUnitsPerEm <= 0)
        return nEmPixels;
    const double dScale = static_cast<double>(nEmPixels) / metrics.nUnitsPerEm;
    return static_cast<int>(std::lround(metrics.nWinAscent * dScale) + std::lround(metrics.nWinDescent * dScale));
}

const CFontVerticalMetrics* TahomaMetrics()
{
    return g_tahoma ? &*g_tahoma : nullptr;
}

void SetTahomaMetrics(const CFontVerticalMetrics& metrics)
{
    g_tahoma = metrics;
}

int TemplateEmPixels(double dPoints, int nPixelsPerInch)
{
    return static_cast<int>(std::lround(dPoints * nPixelsPerInch / 72.0));
}

int DialogUnitsToPixels(int nUnits, int nBase, int nDivisor)
{
    // Rounded to nearest, as the old platform's multiply-divide did.
    const long long nProduct = static_cast<long long>(nUnits) * nBase;
    const long long nHalf = nDivisor / 2;
    return static_cast<int>(nProduct >= 0 ? (nProduct + nHalf) / nDivisor : -((-nProduct + nHalf) / nDivisor));
}
