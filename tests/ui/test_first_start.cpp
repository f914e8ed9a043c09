// The first start on screens of different sizes: the game itself runs on an Xvfb screen of the
// size wanted, with fresh settings, and the zoom it picked is read back from its registry.
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <fcntl.h>
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

int StoredZoom(const std::filesystem::path& configDir)
{
    CRegistry registry(configDir / "veltrane-quillorn" / "registry.db");
    CAppProfile profile(registry);
    return CSettingsStore(profile).ReadZoom();
}

// Starts the game on the display with fresh settings under configDir and waits (up to 30 s) for
// the zoom it picked to be stored, which it does while its New Game dialog waits for the player;
// then ends it. The stored zoom, 0 when none came or the game ended by itself.
int FirstStartZoom(const std::string& strDisplay, const std::filesystem::path& configDir)
{
    const std::string strGame = (ProgramDirectory() / "veltrane-quillorn").string();
    std::vector<std::string> astrEnv = {"DISPLAY=" + strDisplay, "XDG_CONFIG_HOME=" + configDir.string(),
                                        "XDG_DATA_HOME=" + (configDir / "data").string(), "NO_AT_BRIDGE=1"};
    for (char** p = environ; *p != nullptr; ++p) {
        const std::string strVar = *p;
        if (strVar.rfind("PATH=", 0) == 0 || strVar.rfind("HOME=", 0) == 0)
            astrEnv.push_back(strVar);
    }
    std::vector<char*> apEnv;
    for (std::string& strVar : astrEnv)
        apEnv.push_back(strVar.data());
    apEnv.push_back(nullptr);
    char* argv[] = {const_cast<char*>(strGame.c_str()), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const bool bStarted = posix_spawn(&pid, argv[0], &actions, nullptr, argv, apEnv.data()) == 0;
    posix_spawn_file_actions_destroy(&actions);
    if (!bStarted)
        return 0;
    const std::filesystem::path db = configDir / "veltrane-quillorn" / "registry.db";
    int nZoom = 0;
    for (int i = 0; i < 300 && nZoom == 0; ++i) {
        usleep(100 * 1000);
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return 0;
        if (std::filesystem::exists(db))
            nZoom = StoredZoom(configDir);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return nZoom;
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
        EXPECT_EQ(FirstStartZoom(screen.Display(), config.Path()), c.nZoom) << c.nWidth << "x" << c.nHeight;
    }
}

}  // namespace
