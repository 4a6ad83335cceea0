// The test driver's hold on the program under test, from outside it, as a
// user and as Windows have it.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

constexpr DWORD kPatienceMs = 5000;  // how long a check waits for what it expects
constexpr DWORD kQuietMs = 500;      // how long a check waits for nothing to happen

// True as soon as condition() is; false when ms passed first.
template <class Condition>
bool WaitFor(Condition condition, DWORD ms = kPatienceMs) {
    for (const DWORD start = GetTickCount(); !condition(); Sleep(10)) {
        if (GetTickCount() - start >= ms) return false;
    }
    return true;
}

struct Program {
    HANDLE process = nullptr;
    DWORD pid = 0;
    HWND main = nullptr;  // its main window, shown or hidden
};
// Started from its own folder; main is null when no window came.
Program Start(const std::string& exe);
bool Running(const Program& program);
void Stop(Program& program);

// A top-level window of the process, of the class and, if given, the title;
// the next one after `after`.
HWND TopLevel(DWORD pid, const char* className, const std::string& title = "", bool visibleOnly = false,
              HWND after = nullptr);
// A control of the main window by its name in the control table; null if none.
HWND Control(HWND main, const std::string& name);
std::string Text(HWND window);

// Runs one scenario (see Scenarios.cpp) from a clean start; false with the
// failing step and why.
bool RunScenario(const std::string& script, std::string& failure);

}  // namespace e2e
