// Help: xdg-open on the page beside the executable, not waited for.
#include "platform/help_launch.h"

#include <cstdio>

#include "platform/services.h"

std::string HelpUrl(const std::filesystem::path& dir)
{
    const std::string strPath = (dir / kHelpFileName).string();
    std::string strUrl = "file://";
    for (const unsigned char c : strPath) {
        // Unreserved characters and the path separator stand as they are; everything else,
        // '#', '%', '?' and blanks included, must not be read as URL syntax.
        const bool bPlain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                            c == '/' || c == '-' || c == '_' || c == '.' || c == '~';
        if (bPlain) {
            strUrl += static_cast<char>(c);
        } else {
            char buf[4];
            std::snprintf(buf, sizeof buf, "%%%02X", c);
            strUrl += buf;
        }
    }
    return strUrl + "#" + kHelpAnchor;
}

void OpenHelp(const std::filesystem::path& programDir)
{
    StartProcess({"xdg-open", HelpUrl(programDir)});
}
