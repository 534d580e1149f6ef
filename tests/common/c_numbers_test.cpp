// Numbers as the forms show and read them: printf and strtol / strtod in the C locale,
// whatever locale the process has.
#include "common/c_numbers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

namespace trochograph {
namespace {

constexpr int intMax = std::numeric_limits<int>::max();
constexpr int intMin = std::numeric_limits<int>::min();
constexpr double inf = std::numeric_limits<double>::infinity();

TEST(CNumbers, ReadIntAsStrtolWithA32BitLong)
{
    const struct {
        const char* text;
        int value;
    } cases[] = {
        {"640", 640},           {"640px", 640},     {" \t\n+12", 12},   {"-7", -7},
        {"", 0},                {"abc", 0},         {"+-3", 0},         {"- 3", 0},
        {"0x10", 0},            {"2147483647", intMax}, {"99999999999999999999", intMax},
        {"-2147483648", intMin}, {"-99999999999", intMin}, {"12.9", 12},
    };
    for (const auto& c : cases) EXPECT_EQ(readInt(c.text), c.value) << '"' << c.text << '"';
}

TEST(CNumbers, ReadRealAsStrtod)
{
    const std::string tiny = "0." + std::string(400, '0') + "1";
    const std::string huge = "1" + std::string(400, '0');
    const struct {
        std::string text;
        double value;
    } cases[] = {
        {"33.5", 33.5},   {" -2.5e1x", -25.0}, {".5", 0.5},    {"5.", 5.0},       {"+7", 7.0},
        {"1e", 1.0},      {"abc", 0.0},        {"", 0.0},      {"+.e5", 0.0},     {"--1", 0.0},
        {"0x1p3", 8.0},   {"0X.8", 0.5},       {"0x", 0.0},    {"0xg", 0.0},      {"3,5", 3.0},
        {"1e999", inf},   {"-1e999", -inf},    {"1e-999", 0.0}, {"0x1p99999", inf}, {tiny, 0.0},
        {huge, inf},      {"inf", inf},        {"-Infinity", -inf},
    };
    for (const auto& c : cases) EXPECT_EQ(readReal(c.text), c.value) << '"' << c.text << '"';
    EXPECT_TRUE(std::isnan(readReal(" nan")));
    EXPECT_TRUE(std::isnan(readReal("nan(123)")));
}

TEST(CNumbers, FormatAsPrintf)
{
    EXPECT_EQ(decimalText(0), "0");
    EXPECT_EQ(decimalText(-42), "-42");
    EXPECT_EQ(decimalTextOrEmpty(0), "");
    EXPECT_EQ(decimalTextOrEmpty(17), "17");
    EXPECT_EQ(fixedText(33.0, 10), "33.0000000000");
    EXPECT_EQ(fixedText(29.10326, 3), "29.103");
    EXPECT_EQ(fixedText(0.125, 2), "0.12");  // exactly half: to even, as printf
    EXPECT_EQ(fixedText(1e300, 1).size(), 303u);
}

// A user whose locale writes decimal commas still sees and types decimal points.
TEST(CNumbers, IgnoreTheProcessLocale)
{
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    const char* locale = nullptr;
    for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8", "de_DE.utf8"})
        if ((locale = std::setlocale(LC_ALL, name))) break;
    if (!locale) GTEST_SKIP() << "no comma-decimal locale installed (Debian: locales-all)";

    char printed[16];
    std::snprintf(printed, sizeof printed, "%.1f", 3.5);
    EXPECT_STREQ(printed, "3,5") << "the locale should write a decimal comma";
    EXPECT_EQ(fixedText(3.5, 10), "3.5000000000");
    EXPECT_EQ(readReal("3.5"), 3.5);
    EXPECT_EQ(readReal("3,5"), 3.0);
    std::setlocale(LC_ALL, previous.c_str());
}

}  // namespace
}  // namespace trochograph
