#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <random>
#include <string>

#include "countdown/Seconds.h"

namespace quellar {
namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

TEST(Seconds, LeadingNumberRoundedHalfToEven) {
    struct Case {
        const char* text;
        std::int32_t seconds;
    };
    const Case cases[] = {
        {"20", 20},
        {"", 0},
        {"abc", 0},
        {"12abc", 12},
        {"  45 ", 45},
        {"1 2", 12},  // blanks are ignored, also inside
        {"\t7", 7},
        {"+30", 30},
        {"-5", -5},
        {"- 5", -5},
        {"2.5", 2},
        {"3.5", 4},
        {"0.5", 0},
        {"-0.5", 0},
        {"18.5", 18},
        {"19.5", 20},
        {"86400.5", 86400},
        {"86401.5", 86402},
        {".5", 0},
        {".", 0},
        {"-", 0},
        {"+", 0},
        {"1e2", 100},
        {"1E3", 1000},
        {"2d2", 200},
        {"1e", 1},
        {"1e+", 1},
        {"5e-1", 0},
        {"15e-1", 2},
        {"1.2.3", 1},
        {"0x10", 0},
        {"&H10", 0},
        {"99999", 99999},
        {"2147483647", kMax},
        {"2147483648", kMax},
        {"99999999999999999999", kMax},
        {"1e400", kMax},
        {"-2147483648", kMin},
        {"-1e400", kMin},
        {"1e-400", 0},
        {"00019", 19},
        {"19.4999", 19},
    };
    for (const Case& c : cases) EXPECT_EQ(ReadSeconds(c.text), c.seconds) << '"' << c.text << '"';
}

// Any text reads to some number: random texts from the characters that mean
// something to the reader, and from all bytes, never crash.
TEST(Seconds, AnyTextReadsWithoutFault) {
    std::mt19937 random(20010101);
    const std::string alphabet = "0123456789 +-.eEdD\t\nx";
    std::uniform_int_distribution<int> length(0, 40);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int i = 0; i < 5000; ++i) {
        std::string text;
        const int n = length(random);
        for (int k = 0; k < n; ++k) {
            text += (i % 2 == 0) ? alphabet[pick(random)] : static_cast<char>(byte(random));
        }
        const std::int32_t seconds = ReadSeconds(text);
        // Reading the number back as plain digits gives the same count.
        EXPECT_EQ(ReadSeconds(std::to_string(seconds)), seconds) << '"' << text << '"';
    }
    EXPECT_EQ(ReadSeconds(std::string(5000, '9')), kMax);
    EXPECT_EQ(ReadSeconds("0." + std::string(5000, '0') + "1"), 0);
}

}  // namespace
}  // namespace quellar
