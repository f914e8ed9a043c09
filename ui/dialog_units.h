// Dialog units as the templates were laid out in: a quarter of the template font's average
// character width across, an eighth of its cell height down. The cell height is the one the old
// platform measured, the font file's "win" ascent plus descent, which is taller than the line
// height the toolkit reports for Tahoma; the painted parts of the dialogs were placed to clear
// controls at that height.
#pragma once

#include <filesystem>

struct CFontVerticalMetrics {
    int nUnitsPerEm = 0;
    int nWinAscent = 0;
    int nWinDescent = 0;
};

// Reads the units per em and the OS/2 win ascent and descent of a font file. False when the file
// is missing, is no font or has no such table.
bool ReadFontVerticalMetrics(const std::filesystem::path& file, CFontVerticalMetrics& metrics);

// Cell height in pixels of a font nEmPixels high: ascent and descent rounded separately.
int CellHeightFromMetrics(const CFontVerticalMetrics& metrics, int nEmPixels);

// The metrics of the registered Tahoma, or nullptr when it is not installed.
const CFontVerticalMetrics* TahomaMetrics();
void SetTahomaMetrics(const CFontVerticalMetrics& metrics);

// Template font size in points to its em height in pixels, as the old platform rounded it.
int TemplateEmPixels(double dPoints, int nPixelsPerInch);

// A span in dialog units to pixels for a base (average width or cell height) and its divisor.
int DialogUnitsToPixels(int nUnits, int nBase, int nDivisor);
