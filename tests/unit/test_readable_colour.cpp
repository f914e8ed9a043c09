// Text colours against their grounds: the contrast measure, and the readable stand-ins.
#include <gtest/gtest.h>

#include "game/readable_colour.h"

namespace {

TEST(ReadableColour, ContrastFollowsTheLuminanceMeasure)
{
    EXPECT_NEAR(ContrastRatio(kBlack, kWhite), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(kWhite, kBlack), 21.0, 1e-9) << "the order does not matter";
    EXPECT_NEAR(ContrastRatio(kRed, kRed), 1.0, 1e-9);
    // Known figures: pure red on white 4.0, green 0,128,0 on white 5.1, blue on white 8.6.
    EXPECT_NEAR(ContrastRatio(kRed, kWhite), 4.00, 0.01);
    EXPECT_NEAR(ContrastRatio(kGreen, kWhite), 5.14, 0.01);
    EXPECT_NEAR(ContrastRatio(kBlue, kWhite), 8.59, 0.01);
}

TEST(ReadableColour, TheGameColoursStayWhereTheyReadAndTurnReadableElsewhere)
{
    const COLORREF kOlive = MakeRGB(128, 128, 0);
    const COLORREF kNavy = MakeRGB(0, 0, 128);
    const COLORREF kDarkTheme = MakeRGB(0x35, 0x35, 0x35);
    const COLORREF kMidGrey = MakeRGB(118, 118, 118);  // about as far from black as from white
    struct {
        COLORREF clrText, clrGround;
        bool bKept;
    } const aCases[] = {
        {kBlack, kDefaultBackground, true},  {kGreen, kDefaultBackground, true},
        {kRed, kDefaultBackground, false},   // 3.5: the values on the default screen
        {kBlue, kWhite, true},               {kRed, kWhite, false},
        {kBlack, kBlack, false},             {kRed, kBlack, true},
        {kGreen, kBlack, false},             {kRed, kOlive, false},
        {kBlack, kOlive, true},              {kBlue, kDarkTheme, false},
        {kBlack, kDarkTheme, false},         {kBlue, kNavy, false},
        {kWhite, kWhite, false},             {kWhite, MakeRGB(255, 255, 200), false},
        {kRed, kMidGrey, false},             {kBlack, kMidGrey, true},
    };
    for (const auto& c : aCases) {
        const COLORREF clr = ReadableOn(c.clrText, c.clrGround);
        const auto where = ::testing::Message() << std::hex << c.clrText << " on " << c.clrGround << " gave " << clr;
        EXPECT_GE(ContrastRatio(clr, c.clrGround), kReadableContrast) << where;
        EXPECT_EQ(clr == c.clrText, c.bKept) << where;
        if (c.bKept)
            continue;
        // A stand-in has room to spare for smoothing, unless only black or white come near.
        const COLORREF clrBest = ContrastRatio(kBlack, c.clrGround) > ContrastRatio(kWhite, c.clrGround) ? kBlack : kWhite;
        if (clr == clrBest)
            continue;
        EXPECT_GE(ContrastRatio(clr, c.clrGround), kStandInContrast) << where;
        // A stand-in keeps the hue: the channels stay in their order, a red stays a red.
        const int nR = GetRValue(clr), nG = GetGValue(clr), nB = GetBValue(clr);
        const int nR0 = GetRValue(c.clrText), nG0 = GetGValue(c.clrText), nB0 = GetBValue(c.clrText);
        EXPECT_EQ(nR0 > nG0, nR > nG) << where;
        EXPECT_EQ(nG0 > nB0, nG > nB) << where;
        EXPECT_EQ(nB0 > nR0, nB > nR) << where;
        // And it is the nearest on its way: one step back would not read.
        const COLORREF clrPole = RelativeLuminance(clr) > RelativeLuminance(c.clrGround) ? kWhite : kBlack;
        const auto back = [&](int nNow, int nWas, int nPole) { return nNow == nWas ? nNow : nNow + (nPole > nNow ? -2 : 2); };
        const COLORREF clrBack = MakeRGB(back(nR, nR0, GetRValue(clrPole)), back(nG, nG0, GetGValue(clrPole)),
                                         back(nB, nB0, GetBValue(clrPole)));
        EXPECT_LT(ContrastRatio(clrBack, c.clrGround), kStandInContrast) << where << " is further than it needs";
    }
}

}  // namespace
