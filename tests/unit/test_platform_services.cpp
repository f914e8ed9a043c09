// The debug line.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/services.h"

namespace {

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
