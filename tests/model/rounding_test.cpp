#include "model/numbertext.h"
#include "model/rounding.h"

#include <gtest/gtest.h>

using namespace kw;

TEST(Rounding, HalvesGoUpForRoundHalfUpAndToEvenForTotals)
{
    EXPECT_EQ(RoundHalfUp(0.5, 0), 1);
    EXPECT_EQ(RoundHalfUp(0.45, 0), 0);
    EXPECT_EQ(RoundHalfUp(-0.5, 0), 0);   // towards +infinity
    EXPECT_EQ(RoundHalfUp(2.5, 0), 3);
    EXPECT_DOUBLE_EQ(RoundHalfUp(1.25, 1), 1.3);
    EXPECT_EQ(roundHalfUpWhole(12.5), 13);

    EXPECT_EQ(roundHalfEven(64.5), 64);
    EXPECT_EQ(roundHalfEven(233.5), 234);
    EXPECT_EQ(roundHalfEven(65.5), 66);
    EXPECT_EQ(roundHalfEven(1e300), 9000000000000000000LL);   // pinned, not undefined
}

TEST(NumberText, FieldNumbersAndShownFigures)
{
    EXPECT_EQ(parseNumber(u"12.5"), 12.5);
    EXPECT_EQ(parseNumber(u"-4"), -4);
    EXPECT_EQ(parseNumber(u".5"), 0.5);
    EXPECT_EQ(parseNumber(u"1e3"), 1000);
    for (const char* text : {"", "abc", "1,5", "12abc", " 3", "1e999", "\xd9\xa3", "."})
        EXPECT_FALSE(parseNumber(QString::fromUtf8(text))) << text;

    EXPECT_EQ(formatNumber(4.5), "4.5");
    EXPECT_EQ(formatNumber(224), "224");
    EXPECT_EQ(formatNumber(-5), "-5");
    EXPECT_EQ(formatNumber(4.0 / 1.5), "2.66666666666667");

    EXPECT_EQ(formatTwips(1200.0f), "1200");
    EXPECT_EQ(formatTwips(157.5f), "157.5");
    EXPECT_EQ(formatTwips(0.1f), "0.1");
    EXPECT_EQ(trimSpaces("  a b  "), "a b");
    EXPECT_EQ(trimSpaces("\ta "), "\ta");
}
