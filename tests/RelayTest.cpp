// The end-to-end checks read the program's calls from Wine's relay trace.
// Here that reader meets real lines of both widths, so that a host that runs
// no 32-bit programs still tests what reads the release's trace.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "e2e/Relay.h"

namespace e2e {
namespace relay {
namespace {

// clang-format off
struct Row {
    const char* text;
    std::uint32_t pid;
    bool call;
    const char* function;  // or the message of a window procedure; null: no call at all
    std::uint64_t window, caller, result;
    std::vector<std::uint64_t> arguments;
};
// Lines of the i686 and the x86_64 Quellar.exe under Wine 8, with +relay,+pid,
// one made without +pid, and Wine's other lines.
const Row kLines[] = {
    {"00e0:00e4:Call user32.ExitWindowsEx(00000005,ffffffff) ret=0040cec3", 0xe0, true, "user32.ExitWindowsEx", 0, 0x40cec3, 0, {5, 0xffffffff}},
    {"00d8:00dc:Call user32.ExitWindowsEx(00000005,ffffffff) ret=140008dc9", 0xd8, true, "user32.ExitWindowsEx", 0, 0x140008dc9, 0, {5, 0xffffffff}},
    {"00d8:00dc:Ret  user32.ExitWindowsEx() retval=00000001 ret=0040cec3", 0xd8, false, "user32.ExitWindowsEx", 0, 0x40cec3, 1, {}},
    {"0154:0158:Call window proc 67C670F0 (hwnd=00080082,msg=WM_SYSCOLORCHANGE,wp=00000000,lp=00000000)", 0x154, true, "WM_SYSCOLORCHANGE", 0x80082, 0, 0, {0, 0}},
    {"0154:0158:Call window proc 67C4E690 (hwnd=0008005A,msg=WM_SYSCOLORCHANGE,wp=00000000,lp=00000000)", 0x154, true, "WM_SYSCOLORCHANGE", 0x8005a, 0, 0, {0, 0}},
    {"00e8:00ec:Ret  window proc 000000014000D090 (hwnd=0000000000080096,msg=WM_DRAWITEM,wp=00010062,lp=0021e7e0) retval=00000000", 0xe8, false, "WM_DRAWITEM", 0x80096, 0, 0, {0x10062, 0x21e7e0}},
    {"0128:012c:Call advapi32.AdjustTokenPrivileges(000000a4,00000000,0072e7e0,00000010,0072e7f0,0072e7dc) ret=0040d703", 0x128, true, "advapi32.AdjustTokenPrivileges", 0, 0x40d703, 0, {0xa4, 0, 0x72e7e0, 0x10, 0x72e7f0, 0x72e7dc}},
    {"00e8:00ec:Call combase.CoInitializeEx(00000000,00000002) ret=39373556e", 0xe8, true, "combase.CoInitializeEx", 0, 0x39373556e, 0, {0, 2}},
    {"00e4:Call user32.LoadImageA(00400000,00000001,00000001,00000020,00000020,00000000) ret=0040c30c", 0, true, "user32.LoadImageA", 0, 0x40c30c, 0, {0x400000, 1, 1, 32, 32, 0}},
    {"", 0, false, nullptr, 0, 0, 0, {}},
    {"0024:err:module:import_dll Library MSVCRT.dll not found", 0, false, nullptr, 0, 0, 0, {}},
    {"00e0:00e4:Call PE DLL (proc=7B000000,module=7B000000,reason=PROCESS_ATTACH,res=0)", 0, false, nullptr, 0, 0, 0, {}},
    {"00e0:00e4:Call user32.ExitWindowsEx(00000005,ffff", 0, false, nullptr, 0, 0, 0, {}},
};
// clang-format on

TEST(Relay, LinesOfBothWidthsGiveTheirParts) {
    for (const Row& row : kLines) {
        Line line;
        ASSERT_EQ(Read(row.text, line), row.function != nullptr) << row.text;
        if (!row.function) continue;
        EXPECT_EQ(line.pid, row.pid) << row.text;
        EXPECT_EQ(line.call, row.call) << row.text;
        EXPECT_EQ(line.function.empty() ? line.message : line.function, row.function) << row.text;
        EXPECT_EQ(line.hwnd, row.window) << row.text;
        EXPECT_EQ(line.caller, row.caller) << row.text;
        EXPECT_EQ(line.hasCaller, row.caller != 0) << row.text;
        EXPECT_EQ(line.result, row.result) << row.text;
        std::vector<std::uint64_t> arguments;
        for (const Argument& argument : line.arguments) arguments.push_back(argument.value);
        EXPECT_EQ(arguments, row.arguments) << row.text;
    }
}

TEST(Relay, TextsAreUnescaped) {
    const std::string text =
        "0128:012c:Call shell32.ShellExecuteA(00000000,00416300 \"open\",0072e0f0 \"C:\\\\q32\\\\help.html\","
        "00000000,0041632c \"a \\\"b\\\",\\x09c\"...,00000001) ret=0040b1e2";
    Line line;
    ASSERT_TRUE(Read(text, line));
    ASSERT_EQ(line.arguments.size(), 6u);
    EXPECT_FALSE(line.arguments[0].quoted);
    EXPECT_EQ(line.arguments[1].text, "open");
    EXPECT_EQ(line.arguments[2].text, "C:\\q32\\help.html");
    EXPECT_EQ(line.arguments[4].text, "a \"b\",\tc");
    EXPECT_EQ(line.arguments[5].value, 1u);
    EXPECT_EQ(line.caller, 0x40b1e2u);
}

std::vector<Line> Lines(std::initializer_list<const char*> texts) {
    std::vector<Line> lines;
    for (const char* text : texts) lines.emplace_back(), Read(text, lines.back());
    return lines;
}

// A window procedure's line names its window in the width of its process.
TEST(Relay, AWindowIsHeardByItsHandleInEitherWidth) {
    const auto lines = Lines({
        "0154:0158:Call window proc 67C670F0 (hwnd=00080082,msg=WM_SYSCOLORCHANGE,wp=00000000,lp=00000000)",
        "00e8:00ec:Call window proc 000000014000D090 "
        "(hwnd=0000000000080096,msg=WM_SYSCOLORCHANGE,wp=00000000,lp=00000000)",
    });
    EXPECT_TRUE(Heard(lines, 0x80082, "WM_SYSCOLORCHANGE"));
    EXPECT_TRUE(Heard(lines, 0x80096, "WM_SYSCOLORCHANGE"));
    EXPECT_FALSE(Heard(lines, 0x80082, "WM_DRAWITEM"));
    EXPECT_FALSE(Heard(lines, 0x80084, "WM_SYSCOLORCHANGE"));
}

TEST(Relay, CallsAreFoundByTheirLeadingArguments) {
    const auto lines = Lines({
        "00e8:00ec:Call combase.CoInitializeEx(00000000,00000002) ret=39373556e",
        "00e8:00ec:Ret  combase.CoInitializeEx() retval=00000000 ret=39373556e",
        "00e8:00ec:Call combase.CoInitializeEx(00000000,00000006) ret=140009e19",
        "00e8:00ec:Call user32.ExitWindowsEx(ffffffff00000005,ffffffff) ret=140008dc9",
    });
    EXPECT_EQ(Find(lines, "CoInitializeEx"), 0u);
    EXPECT_EQ(Find(lines, "CoInitializeEx", {0, 6}), 2u);
    EXPECT_EQ(Find(lines, "CoInitializeEx", {kAny, 2}, 1), kNone);
    EXPECT_EQ(Find(lines, "CoInitializeEx", {kAny, 6}), 2u);
    EXPECT_EQ(Find(lines, "ExitWindowsEx", {5, 0xffffffff}), 3u);
    EXPECT_EQ(Find(lines, "WindowsEx"), kNone);
    EXPECT_EQ(Returned(lines, 0), 1u);
    EXPECT_EQ(Returned(lines, 2), kNone);
}

// The program's own calls are those returning into its image: the i686 and
// the x86_64 build, each at its usual base, as this build made them.
TEST(Relay, TheProgramsImageHoldsItsCallersAndNoWineLibrary) {
    const struct {
        const char* exe;
        std::uint64_t base, own, wine;
    } builds[] = {{QUELLAR_I686_EXE, 0x400000, 0x40cec3, 0x67505cdb},
                  {QUELLAR_X86_64_EXE, 0x140000000, 0x140008dc9, 0x39373556e}};
    for (const auto& build : builds) {
        if (!*build.exe) GTEST_SKIP() << "configured without the Windows builds (QUELLAR_WIN32_BUILD_DIR)";
        std::ifstream file(build.exe, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        Image image;
        ASSERT_TRUE(ReadImage(bytes, image)) << build.exe;
        EXPECT_EQ(image.base, build.base) << build.exe;
        EXPECT_TRUE(Inside(image, build.own)) << build.exe;
        EXPECT_FALSE(Inside(image, build.wine)) << build.exe;
        EXPECT_FALSE(Inside(image, build.base - 1)) << build.exe;
        EXPECT_FALSE(Inside(image, build.base + image.size)) << build.exe;
    }
}

}  // namespace
}  // namespace relay
}  // namespace e2e
