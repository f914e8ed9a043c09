// Start-up milestones.
#include "platform/startup_trace.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

double NowMs(clockid_t clock)
{
    timespec ts{};
    clock_gettime(clock, &ts);
    return static_cast<double>(ts.tv_sec) * 1000.0 + static_cast<double>(ts.tv_nsec) / 1e6;
}

// When the kernel started the process, on the boot clock: field 22 of /proc/self/stat, in ticks.
double ProcessStartMs()
{
    std::ifstream stat("/proc/self/stat");
    std::string strLine;
    std::getline(stat, strLine);
    // The command name may hold blanks; the fields after it are counted from its closing ')'.
    const std::size_t nClose = strLine.rfind(')');
    if (nClose == std::string::npos)
        return 0;
    const char* p = strLine.c_str() + nClose + 2;
    for (int nField = 3; nField < 22 && *p != '\0'; ++nField) {
        while (*p != '\0' && *p != ' ')
            ++p;
        while (*p == ' ')
            ++p;
    }
    return std::strtod(p, nullptr) * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

}  // namespace

void StartupMark(const char* pszWhat)
{
    static const bool s_bOn = std::getenv("VQ_STARTUP_TRACE") != nullptr;
    if (!s_bOn)
        return;
    static const double s_dStart = ProcessStartMs();
    std::fprintf(stderr, "startup %8.1f ms  %s\n", NowMs(CLOCK_BOOTTIME) - s_dStart, pszWhat);
}
