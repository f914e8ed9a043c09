// The first start on screens of different sizes: the game itself runs on an Xvfb screen of the
// size wanted, with fresh settings, and the zoom it picked is read back from its registry.
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "platform/files.h"
#include "platform/profile.h"
#include "platform/registry.h"
#include "store/settings_store.h"
#include "ui_test_support.h"

extern char** environ;

namespace {

// A private X server of the given size, on the first free display number.
class CXvfbScreen {
public:
    CXvfbScreen(int nWidth, int nHeight)
    {
        for (int n = 310; n < 400 && m_strDisplay.empty(); ++n) {
            // Named once: each text below is then built front to back, the number appended.
            const std::string strNumber = std::to_string(n);
            if (!std::filesystem::exists("/tmp/.X" + strNumber + "-lock") &&
                !std::filesystem::exists("/tmp/.X11-unix/X" + strNumber))
                m_strDisplay = ":" + strNumber;
        }
        const std::string strScreen = std::to_string(nWidth) + "x" + std::to_string(nHeight) + "x24";
        const char* argv[] = {"Xvfb", m_strDisplay.c_str(), "-screen", "0", strScreen.c_str(), "-dpi", "96",
                              "-nolisten", "tcp", nullptr};
        if (m_strDisplay.empty() || posix_spawnp(&m_pid, "Xvfb", nullptr, nullptr, const_cast<char**>(argv), environ) != 0)
            m_pid = 0;
        const std::string strProbe = "xdpyinfo -display " + m_strDisplay + " >/dev/null 2>&1";
        for (int i = 0; i < 100 && m_pid != 0; ++i) {
            if (std::system(strProbe.c_str()) == 0) {
                m_bUp = true;
                break;
            }
            usleep(100 * 1000);
        }
    }
    ~CXvfbScreen()
    {
        if (m_pid != 0) {
            kill(m_pid, SIGTERM);
            waitpid(m_pid, nullptr, 0);
        }
    }
    bool IsUp() const { return m_bUp; }
    const std::string& Display() const { return m_strDisplay; }

private:
    std::string m_strDisplay;
    pid_t m_pid = 0;
    bool m_bUp = false;
};

// Runs the game once on the display with its settings under configDir; it quits by itself after
// its first picture (the start-up measuring mode). Returns its exit status.
int RunGameOnce(const std::string& strDisplay, const std::filesystem::path& configDir)
{
    const std::filesystem::path game = ProgramDirectory() / "veltrane-quillorn";
    const std::string strCommand = "env DISPLAY=" + strDisplay + " XDG_CONFIG_HOME='" + configDir.string() +
                                   "' VELTRANE_QUILLORN_BENCH_FIRST_PAINT=1 NO_AT_BRIDGE=1 timeout 60 '" +
                                   game.string() + "' >/dev/null 2>&1";
    return std::system(strCommand.c_str());
}

int StoredZoom(const std::filesystem::path& configDir)
{
    CRegistry registry(configDir / "veltrane-quillorn" / "registry.db");
    CAppProfile profile(registry);
    return CSettingsStore(profile).ReadZoom();
}

TEST(FirstStart, PicksTheLargestStepAtMostHalfTheScreenHighAndStoresIt)
{
    struct CCase {
        int nWidth, nHeight, nZoom;
    };
    for (const CCase& c : {CCase{1024, 768, 150}, CCase{1920, 1080, 200}}) {
        CXvfbScreen screen(c.nWidth, c.nHeight);
        ASSERT_TRUE(screen.IsUp()) << c.nWidth << "x" << c.nHeight;
        uitest::CTempFolder config;
        EXPECT_EQ(RunGameOnce(screen.Display(), config.Path()), 0);
        EXPECT_EQ(StoredZoom(config.Path()), c.nZoom) << c.nWidth << "x" << c.nHeight;
    }
}

}  // namespace
