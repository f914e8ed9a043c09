// Dialog-unit arithmetic and the font-file read behind it.
#include "ui/dialog_units.h"

#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace {

std::optional<CFontVerticalMetrics> g_tahoma;

std::uint32_t BigEndian(const std::vector<unsigned char>& data, std::size_t nAt, int nBytes)
{
    std::uint32_t n = 0;
    for (int i = 0; i < nBytes; ++i)
        n = (n << 8) | data[nAt + static_cast<std::size_t>(i)];
    return n;
}

}  // namespace

bool ReadFontVerticalMetrics(const std::filesystem::path& file, CFontVerticalMetrics& metrics)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return false;
    // The tables we need sit well inside the first megabyte of any face worth using.
    std::vector<unsigned char> data;
    data.resize(1 << 20);
    in.read(reinterpret_cast<char*>(data.data()), static_cast<std::streamsize>(data.size()));
    data.resize(static_cast<std::size_t>(in.gcount()));
    if (data.size() < 12)
        return false;

    const std::size_t nTables = BigEndian(data, 4, 2);
    std::size_t nHead = 0, nOs2 = 0;
    for (std::size_t i = 0; i < nTables; ++i) {
        const std::size_t nEntry = 12 + 16 * i;
        if (nEntry + 16 > data.size())
            return false;
        const std::string strTag(data.begin() + static_cast<std::ptrdiff_t>(nEntry),
                                 data.begin() + static_cast<std::ptrdiff_t>(nEntry + 4));
        const std::size_t nOffset = BigEndian(data, nEntry + 8, 4);
        if (strTag == "head")
            nHead = nOffset;
        else if (strTag == "OS/2")
            nOs2 = nOffset;
    }
    if (nHead == 0 || nOs2 == 0 || nHead + 20 > data.size() || nOs2 + 78 > data.size())
        return false;
    CFontVerticalMetrics read;
    read.nUnitsPerEm = static_cast<int>(BigEndian(data, nHead + 18, 2));
    read.nWinAscent = static_cast<int>(BigEndian(data, nOs2 + 74, 2));
    read.nWinDescent = static_cast<int>(BigEndian(data, nOs2 + 76, 2));
    if (read.nUnitsPerEm <= 0 || read.nWinAscent + read.nWinDescent <= 0)
        return false;
    metrics = read;
    return true;
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
