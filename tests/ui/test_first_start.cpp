// The first start on screens of different sizes: the game itself runs on an Xvfb screen of the
// size wanted, with fresh settings, and the zoom it picked is read back from its registry.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>
#include <wx/gdicmn.h>

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
        const std::string strScreen = std::to_string(nWidth) + "x" + std::to_string(nHeight) + "x24";
        for (int n = 310; n < 400 && !m_bUp; ++n) {
            // Named once: each text below is then built front to back, the number appended.
            const std::string strNumber = std::to_string(n);
            if (std::filesystem::exists("/tmp/.X" + strNumber + "-lock") ||
                std::filesystem::exists("/tmp/.X11-unix/X" + strNumber))
                continue;
            m_strDisplay = ":" + strNumber;
            const char* argv[] = {"Xvfb", m_strDisplay.c_str(), "-screen", "0", strScreen.c_str(), "-dpi", "96",
                                  "-nolisten", "tcp", nullptr};
            if (posix_spawnp(&m_pid, "Xvfb", nullptr, nullptr, const_cast<char**>(argv), environ) != 0) {
                m_pid = 0;
                return;
            }
            // Another run may have taken the same number a moment earlier: the server that answers
            // is then the other one, and ours has ended. The next number is tried.
            const std::string strProbe = "xdpyinfo -display " + m_strDisplay + " >/dev/null 2>&1";
            for (int i = 0; i < 100 && !m_bUp && waitpid(m_pid, nullptr, WNOHANG) == 0; ++i) {
                if (std::system(strProbe.c_str()) == 0)
                    m_bUp = waitpid(m_pid, nullptr, WNOHANG) == 0;
                else
                    usleep(100 * 1000);
            }
            if (!m_bUp) {
                if (waitpid(m_pid, nullptr, WNOHANG) == 0) {
                    kill(m_pid, SIGTERM);
                    waitpid(m_pid, nullptr, 0);
                }
                m_pid = 0;
            }
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

// Starts the game on the display with fresh settings and data under home, its output dropped; its
// process, or 0 if it did not start.
pid_t StartGame(const std::string& strDisplay, const std::filesystem::path& home)
{
    const std::string strGame = (ProgramDirectory() / "veltrane-quillorn").string();
    std::vector<std::string> astrEnv = {"DISPLAY=" + strDisplay, "XDG_CONFIG_HOME=" + (home / "config").string(),
                                        "XDG_DATA_HOME=" + (home / "data").string(), "NO_AT_BRIDGE=1"};
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
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv, apEnv.data()) != 0)
        pid = 0;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

// Starts the game with fresh settings and waits (up to 30 s) for the zoom it picked to be stored,
// which it does while its New Game dialog waits for the player; then ends it. The stored zoom, 0
// when none came or the game ended by itself.
int FirstStartZoom(const std::string& strDisplay, const std::filesystem::path& home)
{
    const pid_t pid = StartGame(strDisplay, home);
    if (pid == 0)
        return 0;
    const std::filesystem::path db = home / "config" / "veltrane-quillorn" / "registry.db";
    int nZoom = 0;
    for (int i = 0; i < 300 && nZoom == 0; ++i) {
        usleep(100 * 1000);
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return 0;
        if (std::filesystem::exists(db)) {
            CRegistry registry(db);
            CAppProfile profile(registry);
            CSettingsStore(profile).Read(Option::Zoom, nZoom);
        }
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

struct CXWindow {
    bool bViewable = false;
    wxRect rc;
};

// What xwininfo says of the window named strName on the display: whether it is on screen, where.
CXWindow FindXWindow(const std::string& strDisplay, const std::string& strName)
{
    CXWindow win;
    const std::string strCmd = "xwininfo -display " + strDisplay + " -name '" + strName + "' 2>/dev/null";
    FILE* pipe = popen(strCmd.c_str(), "r");
    if (pipe == nullptr)
        return win;
    char szLine[512];
    while (std::fgets(szLine, sizeof szLine, pipe) != nullptr) {
        const std::string strLine = szLine;
        int n = 0;
        if (std::sscanf(szLine, " Absolute upper-left X: %d", &n) == 1)
            win.rc.x = n;
        else if (std::sscanf(szLine, " Absolute upper-left Y: %d", &n) == 1)
            win.rc.y = n;
        else if (std::sscanf(szLine, " Width: %d", &n) == 1)
            win.rc.width = n;
        else if (std::sscanf(szLine, " Height: %d", &n) == 1)
            win.rc.height = n;
        else if (strLine.find("Map State: IsViewable") != std::string::npos)
            win.bViewable = true;
    }
    pclose(pipe);
    return win;
}

// A desktop program's first window is its main one: the game window is on screen when the first
// word's New Game dialog comes up, and the dialog stands centred over it.
TEST(FirstStart, TheGameWindowIsOnScreenBeforeItsNewGameDialogAndUnderItsMiddle)
{
    CXvfbScreen screen(1024, 768);
    ASSERT_TRUE(screen.IsUp());
    uitest::CTempFolder home;
    const pid_t pid = StartGame(screen.Display(), home.Path());
    ASSERT_NE(pid, 0);

    CXWindow dialog;
    for (int i = 0; i < 200 && !dialog.bViewable; ++i) {
        usleep(100 * 1000);
        dialog = FindXWindow(screen.Display(), "Quillorn");
    }
    const CXWindow frame = FindXWindow(screen.Display(), "Veltrane Quillorn");
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);

    ASSERT_TRUE(dialog.bViewable) << "the New Game dialog never came up";
    EXPECT_TRUE(frame.bViewable) << "the New Game dialog came up before the game window";
    const wxPoint ptDialog = dialog.rc.GetPosition() + dialog.rc.GetSize() / 2;
    const wxPoint ptFrame = frame.rc.GetPosition() + frame.rc.GetSize() / 2;
    EXPECT_NEAR(ptDialog.x, ptFrame.x, 4);
    EXPECT_NEAR(ptDialog.y, ptFrame.y, 4);
}

}  // namespace
