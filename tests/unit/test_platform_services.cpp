// Starting another program without waiting or leaving zombies, and the debug line.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <thread>

#include "platform/services.h"
#include "test_platform_temp_dir.h"

namespace {

// The state letter of /proc/<pid>/stat, or 0 when the process is gone.
char ProcessState(int pid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(in, line))
        return 0;
    const std::size_t close = line.rfind(')');
    return close != std::string::npos && close + 2 < line.size() ? line[close + 2] : 0;
}

TEST(StartProcess, StartsWithoutWaitingAndLeavesNoZombie)
{
    CTempDir dir;
    const std::string pidFile = (dir / "pid").string();
    const std::string doneFile = (dir / "done").string();
    // The child waits for a file from us: StartProcess cannot have waited for it to end.
    ASSERT_TRUE(StartProcess({"sh", "-c", "echo $$ > \"$0.tmp\" && mv \"$0.tmp\" \"$0\"; "
                                          "while [ ! -e \"$1\" ]; do sleep 0.05; done", pidFile, doneFile}));
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!std::filesystem::exists(pidFile) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    const int pid = std::atoi(ReadWholeFile(pidFile).c_str());
    ASSERT_GT(pid, 0);
    EXPECT_NE(ProcessState(pid), 0) << "still running while we go on";

    WriteWholeFile(doneFile, "");
    char state = ProcessState(pid);
    while (state != 0 && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        state = ProcessState(pid);
    }
    EXPECT_EQ(state, 0) << "the child was left as state " << state;
}

TEST(StartProcess, FailsForWhatCannotBeStarted)
{
    EXPECT_FALSE(StartProcess({}));
    EXPECT_FALSE(StartProcess({""}));
    EXPECT_FALSE(StartProcess({"veltrane-quillorn-no-such-program-anywhere"}));
    EXPECT_FALSE(StartProcess({"/nonexistent/dir/program", "arg"}));
}

TEST(DebugOutput, WritesOneLineOnlyWhenAsked)
{
    unsetenv("VELTRANE_QUILLORN_DEBUG");
    testing::internal::CaptureStderr();
    DebugOutput(L"quiet");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");

    setenv("VELTRANE_QUILLORN_DEBUG", "1", 1);
    testing::internal::CaptureStderr();
    DebugOutput(L"Caf\u00E9 \u0416");
    DebugOutput(L"second");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Caf\xC3\xA9 \xD0\x96\nsecond\n");
    unsetenv("VELTRANE_QUILLORN_DEBUG");
}

}  // namespace
