#include "state/conversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "state/failure.h"
#include "support/expect_failure.h"

namespace fontedit::state {
namespace {

struct TextToNumber {
    const char* text;
    double number;
};

TEST(ColumnValue, ReadsHexLikeTheClassicReader) {
    const TextToNumber cases[] = {
        {"", 0},
        {"G", 0},
        {"G1", 0},
        {"&H1", 0},
        {"1G", 1},
        {"7f", 127},
        {"7F", 127},
        {"0", 0},
        {"FF", 255},
        {"7FFF", 32767},
        {"8000", -32768},
        {"FFFF", -1},
        {"10000", 65536},
        {"1FF00", 130816},
        {"0FFFF", 65535},
        {"7FFFFFFF", 2147483647},
        {"80000000", -2147483648.0},
        {"FFFFFFFF", -1},
        {" 7F", 127},
        {"7 F", 127},
        {"123456789", static_cast<double>(0x23456789)},
    };
    for (const auto& c : cases) EXPECT_EQ(columnValue(c.text), c.number) << '"' << c.text << '"';
}

TEST(CodeNumber, ReadsDecimalWithPrefixesAndExponents) {
    const TextToNumber cases[] = {
        {"7", 7},         {"2.5", 2.5}, {"abc", 0},     {"", 0},       {"12abc", 12},  {" 12", 12},
        {"1e1", 10},      {"1D2", 100}, {"1e", 1},      {"1e+", 1},    {"-3", -3},     {"+4", 4},
        {".5", 0.5},      {"-", 0},     {".", 0},       {"&H10", 16},  {"&hFFFF", -1}, {"&O17", 15},
        {"&o177777", -1}, {"&", 0},     {"3.5.1", 3.5}, {"1e-400", 0}, {"94.5", 94.5}, {"- 2", -2},
    };
    for (const auto& c : cases) EXPECT_EQ(codeNumber(c.text), c.number) << '"' << c.text << '"';
}

TEST(CodeNumber, FailsWithOverflowBeyondADouble) {
    support::expectFailure([] { codeNumber("1e400"); }, Cause::Overflow, {});
    EXPECT_EQ(static_cast<int>(Cause::Overflow), 6);
}

TEST(WholeNumber, RoundsHalfToEven) {
    const std::pair<double, int> cases[] = {
        {0.5, 0},
        {1.5, 2},
        {2.5, 2},
        {3.5, 4},
        {-0.5, 0},
        {-1.5, -2},
        {2.49, 2},
        {2.51, 3},
        {2147483647.0, 2147483647},
        {-2147483648.0, -2147483647 - 1},
        {2147483647.4, 2147483647},
    };
    for (const auto& [number, whole] : cases) EXPECT_EQ(wholeNumber(number), whole) << number;
}

TEST(WholeNumber, FailsOutsideThe32BitRange) {
    for (double number :
         {2147483647.5, 2147483648.0, -2147483649.0, 1e10, double(NAN), double(INFINITY)}) {
        EXPECT_THROW(wholeNumber(number), Failure) << number;
    }
}

TEST(BitTest, LightsTheRowsOfTheColumnByte) {
    for (int row = 0; row < 8; ++row) {
        EXPECT_EQ(powerOfTwo(row), 1 << row);
        EXPECT_EQ(bitTest(row, 127), row < 7) << row;
        EXPECT_TRUE(bitTest(row, -1)) << "FFFF lights every row";
        EXPECT_TRUE(bitTest(row, 0x1FF)) << "a value wider than a byte lights every row";
        EXPECT_FALSE(bitTest(row, 0x100));
    }
}

TEST(HexText, WritesUpperCaseWithoutLeadingZeros) {
    const std::pair<double, const char*> cases[] = {
        {0, "0"},
        {126, "7E"},
        {255, "FF"},
        {256, "100"},
        {130816, "1FF00"},
        {-1, "FFFF"},
        {-2, "FFFE"},
        {-32768, "8000"},
        {-32769, "FFFF7FFF"},
        {2.5, "2"},
        {-2147483648.0, "80000000"},
    };
    for (const auto& [number, text] : cases) EXPECT_EQ(hexText(number), text) << number;
    EXPECT_THROW(hexText(4294967296.0), Failure);
}

TEST(CodeText, WritesTheShortestGeneralForm) {
    const std::pair<double, const char*> cases[] = {
        {1, "1"},        {3.5, "3.5"},
        {-2, "-2"},      {0, "0"},
        {-0.0, "0"},     {95.5, "95.5"},
        {100, "100"},    {0.1 + 0.2, "0.3"},
        {1e15, "1E+15"}, {123456789012345, "123456789012345"},
    };
    for (const auto& [number, text] : cases) EXPECT_EQ(codeText(number), text) << number;
}

TEST(CodeText, ReadsBackAsTheSameCodeAfterAStep) {
    // Next and Previous write the text of n +/- 1; reading it back must give that number.
    for (double n : {0.0, 2.5, 94.5, -3.0, 1e-3}) {
        EXPECT_EQ(codeNumber(codeText(n + 1)), n + 1) << n;
    }
}

TEST(RowNumberText, PutsABlankWhereTheSignWouldGo) {
    EXPECT_EQ(rowNumberText(0), " 0");
    EXPECT_EQ(rowNumberText(5), " 5");
    EXPECT_EQ(rowNumberText(95), " 95");
    EXPECT_EQ(rowNumberText(-1), "-1");
}

}  // namespace
}  // namespace fontedit::state
