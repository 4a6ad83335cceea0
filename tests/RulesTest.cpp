// The rules that depend only on their inputs, each as a table of cases.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <random>
#include <string>
#include <utility>

#include "actions/Rules.h"
#include "app/Captions.h"
#include "app/Layout.h"
#include "countdown/Seconds.h"
#include "countdown/TickSchedule.h"
#include "tray/TrayRecord.h"

namespace quellar {
namespace {

// clang-format off
TEST(Rules, SecondsAreTheLeadingNumberRoundedHalfToEven) {
    const std::pair<std::string, std::int32_t> cases[] = {
        {"20", 20}, {" 2 0 ", 20}, {"+7", 7}, {"-5", -5}, {"", 0}, {"abc", 0}, {"12abc", 12}, {"7.", 7}, {".5", 0},
        {"0.5", 0}, {"1.5", 2}, {"18.5", 18}, {"19.5", 20}, {"2.51", 3}, {"2.50000000000000001", 3}, {"1e3", 1000},
        {"1E", 1}, {"5e-1", 0}, {"1d2", 100}, {"86400.5", 86400}, {"99999999999", INT_MAX}, {"-99999999999", INT_MIN},
        {"1e99999", INT_MAX}, {std::string(5000, '9'), INT_MAX}, {"0." + std::string(5000, '0') + "1", 0}};
    for (const auto& [text, seconds] : cases) EXPECT_EQ(ReadSeconds(text), seconds) << text.substr(0, 30);
}

TEST(Rules, StartCorrectsOnlyCountsOutsideItsLimits) {
    const std::pair<std::int32_t, std::string> cases[] = {
        {INT_MIN, "20"}, {0, "20"}, {18, "20"}, {19, "as typed"}, {20, "as typed"}, {86400, "as typed"},
        {86401, "86400"}, {INT_MAX, "86400"}};
    for (const auto& [seconds, written] : cases) {
        EXPECT_EQ(CorrectedSeconds(seconds) ? CorrectedSeconds(seconds) : "as typed", written) << seconds;
    }
}
// clang-format on

TEST(Rules, TicksKeepToTheSecondsSinceStart) {
    TickSchedule schedule;
    std::mt19937 random(7);
    std::int64_t due = 5000 + schedule.Start(5000, 1000);
    for (int tick = 1; tick <= 86400; ++tick) {
        const std::int64_t now = due + static_cast<std::int64_t>(random() % 31);  // up to 30 ms late
        ASSERT_LE(now - (5000 + tick * 1000), 30) << "tick " << tick;
        due = now + schedule.Tick(now);
    }
    // A stall of five seconds starts the count anew from the late tick.
    EXPECT_EQ(schedule.Tick(due + 5000), 1000);
    // A timer message more than half a period before the next tick is due is none of its ticks.
    for (const auto& [early, isTick] : {std::pair{501, false}, {500, true}, {0, true}})
        EXPECT_EQ(schedule.Due(due + 6000 - early), isTick) << early;
}

// clang-format off
TEST(Rules, VersionNames) {
    const struct { std::uint32_t platform, major, minor; const char* name; } cases[] = {
        {1, 4, 0, "Windows 95"}, {1, 4, 10, "Windows 98"}, {1, 4, 90, ""}, {1, 9, 0, "Windows 95"},
        {2, 3, 51, "Windows NT 3.51"}, {2, 4, 0, "Windows NT 4.0"}, {2, 5, 0, "Windows 2000"},
        {2, 5, 1, "Windows 2000"}, {2, 6, 0, ""}, {2, 10, 0, ""}, {0, 0, 0, "Failed"}, {3, 10, 0, "Failed"}};
    for (const auto& c : cases) EXPECT_EQ(VersionName(c.platform, c.major, c.minor), c.name) << c.platform;
}
// clang-format on

// The ASCII letters only, standing in for the system's rules.
struct AsciiCase final : TextCase {
    std::string UpperCase(const std::string& text) override { return Map(text, 'a', 'z', 'A' - 'a'); }
    std::string LowerCase(const std::string& text) override { return Map(text, 'A', 'Z', 'a' - 'A'); }
    bool IsLeadByte(char) override { return false; }
    static std::string Map(std::string text, char from, char to, int by) {
        for (char& c : text) c = c >= from && c <= to ? static_cast<char>(c + by) : c;
        return text;
    }
};

// clang-format off
TEST(Rules, CaptionsFromTheNames) {
    AsciiCase ascii;
    const std::pair<std::string, std::string> users[] = {
        {"jSMITH", "Log Off Jsmith"}, {"administrator", "Log Off Administ"}, {"a", "Log Off A"}, {"", ""},
        {"tom&jerry", "Log Off Tom&&jerr"}};
    for (const auto& [user, caption] : users) EXPECT_EQ(LogOffCaption(user, ascii), caption);
    const std::pair<std::string, std::string> computers[] = {
        {"office-pc", "Windows 98 on \\\\OFFICE-PC"}, {"  office-pc  ", "Windows 98 on \\\\OFFICE-PC"},
        {"abcdefghijklmnopq", "Windows 98 on \\\\ABCDEFGHIJKLMNO"}, {"", "Windows 98 on \\\\"}};
    for (const auto& [computer, label] : computers) EXPECT_EQ(VersionLabel("Windows 98", computer, ascii), label);
}
// clang-format on

// Japanese Windows: two bytes to a character, the first from 0x81 to 0x9F.
// A trail byte may look like a capital letter, and is no letter.
struct ShiftJisCase final : TextCase {
    AsciiCase ascii;
    std::string UpperCase(const std::string& text) override { return ascii.UpperCase(text); }
    std::string LowerCase(const std::string& text) override {
        std::string lower = text;
        for (std::size_t i = 0; i < lower.size(); i += IsLeadByte(lower[i]) ? 2 : 1)
            lower[i] = ascii.LowerCase(lower.substr(i, 1))[0];
        return lower;
    }
    bool IsLeadByte(char c) override {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 0x81 && byte <= 0x9F;
    }
};

TEST(Rules, CaptionsCountCharactersNotBytes) {
    ShiftJisCase japanese;
    const std::string a = "\x83\x41", i = "\x83\x43";  // katakana A and I
    const std::pair<std::string, std::string> users[] = {
        {a + i + "X", "Log Off " + a + i + "x"},
        {"x" + a + a + a + a + a + i + i + "yz", "Log Off X" + a + a + a + a + a + i + i},
        {a, "Log Off " + a}};
    for (const auto& [user, caption] : users) EXPECT_EQ(LogOffCaption(user, japanese), caption);
    EXPECT_EQ(VersionLabel("", "pc" + std::string(10, 'x') + a + a + a + a, japanese),
              " on \\\\PC" + std::string(10, 'X') + a + a + a);
}

// The shell reads the record by its 32-bit layout: the window's handle at
// byte 4, the icon's at 20, and from 24 the tip, ended by a NUL and padded
// with blanks, cut where a longer text would leave no room for the NUL.
TEST(Rules, TheTrayRecordIsLaidOutAsTheShellReadsIt) {
    const modSysTray::TrayIconRecord record = modSysTray::MakeTrayRecord(0x1234, 0x5678, "tip");
    std::uint32_t at[6];
    std::memcpy(at, &record, sizeof at);
    EXPECT_EQ(at[0], sizeof record);
    EXPECT_EQ(at[1], 0x1234u);
    EXPECT_EQ(at[5], 0x5678u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&record) + 24, 64),
              "tip" + std::string(1, '\0') + std::string(60, ' '));
    const modSysTray::TrayIconRecord cut = modSysTray::MakeTrayRecord(1, 2, std::string(70, 'x'));
    EXPECT_EQ(std::string(cut.szTip, 64), std::string(63, 'x') + std::string(1, '\0'));
}

// Blue on High Contrast Black is unreadable: there the links are drawn in the
// scheme's colour for links, or in its text colour on 95 and NT 4.0, which
// have none.
TEST(Rules, InHighContrastTheLinksTakeTheSchemesColour) {
    constexpr std::uint32_t kLinks = 0x0000FFFF, kText = 0x00FFFFFF, kBlue = 0x00FF0000;
    EXPECT_EQ(LinkColour({true, true, kLinks, kText}), kLinks) << "98 and 2000 on";
    EXPECT_EQ(LinkColour({true, false, kLinks, kText}), kText) << "95 and NT 4.0";
    EXPECT_EQ(LinkColour({false, true, kLinks, kText}), kBlue) << "the classic blue elsewhere";
}

}  // namespace
}  // namespace quellar
