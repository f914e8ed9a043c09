// Zoom step arithmetic: stepping, fitting a window, the first start's choice, stored values.
#include <gtest/gtest.h>

#include "game/zoom_steps.h"

namespace {

TEST(ZoomSteps, InAndOutWalkTheStepsAndStopAtTheEnds)
{
    int nZoom = 100;
    for (const int nWant : {150, 200, 250, 300, 400, 400}) {
        nZoom = ZoomStepIn(nZoom);
        EXPECT_EQ(nZoom, nWant);
    }
    for (const int nWant : {300, 250, 200, 150, 100, 100}) {
        nZoom = ZoomStepOut(nZoom);
        EXPECT_EQ(nZoom, nWant);
    }
    // From between two steps, the neighbouring steps.
    EXPECT_EQ(ZoomStepIn(175), 200);
    EXPECT_EQ(ZoomStepOut(175), 150);
}

TEST(ZoomSteps, EdgesRoundAndPointsFallBackIntoTheirLayoutPixel)
{
    EXPECT_EQ(ZoomEdge(241, 150), 362);  // 361.5 rounds up
    EXPECT_EQ(ZoomEdge(190, 250), 475);
    EXPECT_EQ(ZoomEdge(63, 150), 95);    // 94.5
    EXPECT_EQ(ZoomEdge(-3, 150), -5);
    // Every device pixel of a zoomed layout pixel maps back to it.
    for (const int nPercent : kZoomSteps) {
        for (int n = 0; n < 250; ++n) {
            for (int d = ZoomEdge(n, nPercent); d < ZoomEdge(n + 1, nPercent); ++d)
                ASSERT_EQ(UnzoomPoint(d, nPercent), n) << d << " at " << nPercent;
        }
    }
    EXPECT_EQ(UnzoomPoint(-1, 200), -1) << "left of the picture stays outside";
    EXPECT_EQ(ZoomLineWidth(100), 1);
    EXPECT_EQ(ZoomLineWidth(150), 1);
    EXPECT_EQ(ZoomLineWidth(250), 2);
    EXPECT_EQ(ZoomLineWidth(400), 4);
}

TEST(ZoomSteps, LargestStepFittingAWindowNeverGoesBelowTheFirst)
{
    struct CCase {
        int nWidth, nHeight, nZoom;
    };
    for (const CCase& c : {CCase{241, 190, 100}, CCase{361, 300, 100}, CCase{362, 285, 150}, CCase{600, 500, 200},
                           CCase{2000, 380, 200}, CCase{964, 760, 400}, CCase{963, 2000, 300}, CCase{10, 10, 100}})
        EXPECT_EQ(LargestStepFitting(241, 190, c.nWidth, c.nHeight), c.nZoom) << c.nWidth << "x" << c.nHeight;
}

TEST(ZoomSteps, FirstStartTakesHalfTheWorkAreaHeight)
{
    // With 67 rows of menu and tool bar: 1024x768 gives 150, 1920x1080 200, 3840x2160 400.
    struct CCase {
        int nWidth, nHeight, nZoom;
    };
    for (const CCase& c : {CCase{1024, 768, 150}, CCase{1920, 1080, 200}, CCase{3840, 2160, 400},
                           CCase{800, 600, 100}, CCase{640, 480, 100}, CCase{2560, 1440, 300}})
        EXPECT_EQ(FirstStartStep(241, 190, 67, c.nWidth, c.nHeight), c.nZoom) << c.nWidth << "x" << c.nHeight;
    // The window must also fit across: a very tall narrow screen.
    EXPECT_EQ(FirstStartStep(241, 190, 67, 500, 4000), 200);
}

TEST(ZoomSteps, StoredValuesThatAreNoStepMeanPickAndLargeOnesAreLowered)
{
    EXPECT_EQ(UsableStoredZoom(250, 400), 250);
    EXPECT_EQ(UsableStoredZoom(400, 300), 300);
    EXPECT_EQ(UsableStoredZoom(100, 100), 100);
    for (const int nDamaged : {0, -1, 99, 175, 401, 1000000})
        EXPECT_EQ(UsableStoredZoom(nDamaged, 400), 0) << nDamaged;
}

}  // namespace
