// One reader of Wine's relay trace (WINEDEBUG=+relay,+pid), whatever the
// width of the process that wrote the line: a 32-bit one prints pointers in 8
// hex digits, a 64-bit one in up to 16. Portable, so that it is tested on
// every host, with lines of both widths.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace e2e {
namespace relay {

struct Argument {
    std::uint64_t value = 0;
    bool quoted = false;  // the trace shows the text it points at
    std::string text;     // that text, unescaped
};

struct Line {
    std::string text;       // as the trace wrote it
    std::uint32_t pid = 0;  // 0 when the trace was made without +pid
    std::uint32_t tid = 0;
    bool call = false;       // Call; else Ret
    std::string function;    // "user32.ExitWindowsEx"; empty for a window procedure
    std::uint64_t hwnd = 0;  // a window procedure's window and message name
    std::string message;
    std::vector<Argument> arguments;  // a function's; a window procedure's wParam and lParam
    bool hasCaller = false;           // ret=: where the call returns to, inside its caller
    std::uint64_t caller = 0;
    std::uint64_t result = 0;  // retval=
};

// False for a line that is not a relay line of a function or a window
// procedure (Wine's other messages, DLL entry points).
bool Read(const std::string& text, Line& line);

// The numbers a 64-bit trace shows a 32-bit argument in are whole registers,
// whose upper halves hold whatever they held: compare their lower halves.
inline std::uint32_t Low(std::uint64_t value) { return static_cast<std::uint32_t>(value); }

// The first call at or after `from` of the function (named without its
// DLL), whose leading arguments are these (kAny: any); kNone when none is.
constexpr std::uint64_t kAny = ~0ull;
constexpr std::size_t kNone = static_cast<std::size_t>(-1);
std::size_t Find(const std::vector<Line>& lines, const std::string& function,
                 std::initializer_list<std::uint64_t> leading = {}, std::size_t from = 0);

// The Ret line that answers the Call at `at`: the next one of its thread and
// function; kNone when it has not returned yet.
std::size_t Returned(const std::vector<Line>& lines, std::size_t at);

// Whether the window procedure of this window got this message.
bool Heard(const std::vector<Line>& lines, std::uint64_t hwnd, const std::string& message);

// Where an executable is meant to be loaded, and how much memory it takes
// there, from its PE header, in either width.
struct Image {
    std::uint64_t base = 0;
    std::uint32_t size = 0;
};
bool ReadImage(const std::string& bytes, Image& image);
inline bool Inside(const Image& image, std::uint64_t address) {
    return address >= image.base && address - image.base < image.size;
}

}  // namespace relay
}  // namespace e2e
