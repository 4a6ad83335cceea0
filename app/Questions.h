// The program's message boxes. Called only by the form, every box through
// its Ask, which keeps one open at a time.
#pragma once

#include <cstdint>
#include <string>

namespace quellar {

// The boxes the program shows, and the answers it tests for, as Windows
// numbers them.
enum class BoxStyle : std::uint32_t { OkOnly = 0, YesNo = 4 };
constexpr int kAnswerYes = 6;
constexpr int kAnswerNo = 7;

class Questions {
public:
    // Shows the box and returns the answer once it is closed. Calls back: the
    // box runs its own message loop, in which the window's messages reach the
    // form before this returns: the timers (a countdown ticks on to its zero),
    // the tray icon's clicks, a close and the end of the session. The form's
    // questionOpen_ keeps those from opening a second box.
    virtual int ShowBox(const std::string& prompt, BoxStyle style, const std::string& title) = 0;
    // The open box comes to the front, shown again if it was hidden with the
    // window.
    virtual void BringBoxToFront() = 0;

protected:
    ~Questions() = default;
};

}  // namespace quellar
