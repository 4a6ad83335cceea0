// The test driver's hold on the program under test, from outside it, as a
// user and as Windows have it: processes and windows, real input, the
// registry, the tray, the relay trace and the screen.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "e2e/Relay.h"

namespace e2e {

constexpr DWORD kPatienceMs = 5000;  // how long a check waits for what it expects
// How long a start may take: the first in a fresh prefix starts Wine's
// desktop too. On a 2-core host the slowest start took 1.1 s in five `make
// test` runs, 4.5 s with 8 groups at once, and more than 10 s at a load of 8.
constexpr DWORD kStartMs = 30000;

// True as soon as condition() is; false when ms passed first. Every look is
// a few calls to the wineserver that the program needs too: forty looks a
// second keep the sessions of several groups at once from crowding it.
template <class Condition>
bool WaitFor(Condition condition, DWORD ms = kPatienceMs) {
    for (const DWORD start = GetTickCount(); !condition(); Sleep(25)) {
        if (GetTickCount() - start >= ms) return false;
    }
    return true;
}

struct Program {
    HANDLE process = nullptr;
    DWORD pid = 0;
    HWND main = nullptr;   // its main window, shown or hidden
    relay::Image image;    // where its exe lies in its memory
    DWORD startError = 0;  // why Windows did not start it
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

// The screen place of a tab of a tab control, and the middle of a place.
RECT TabPlace(HWND tabs, int index);
POINT Centre(RECT place);

// The main window in front, with a control holding the keyboard focus, so
// that keys reach it.
bool ToFront(HWND main);
// Keys to the window in front, or to the tray menu open over a hidden one.
bool Keys(HWND main, const std::vector<std::string>& keys);
std::vector<std::string> Characters(const std::string& text);
// A real click on a control of the main window.
bool ClickOn(HWND main, HWND control);
// The control's text replaced by typing, and an item of a drop-down list
// chosen by its text with the arrow keys, as a user would.
bool Fill(HWND main, HWND control, const std::string& text);
bool Choose(HWND main, HWND list, const std::string& item);

// Real input: a click or two at a point of the screen, keys such as "r",
// "alt+d", "shift+end".
void ClickAt(POINT at, int clicks = 1, bool right = false);
void Press(const std::string& keys, bool held = false, int presses = 1);
// The messages a press of the keys makes, posted straight into the window's
// queue, as Windows hands keys to the focus of an active window.
void PostKeys(HWND window, const std::string& keys);

// The registry, as the program and Wine read it; the program keeps its
// options under ids::kStorePath in HKEY_CURRENT_USER.
void Put(HKEY root, const char* path, const std::string& name, DWORD type, const void* data, DWORD size);
void Put(HKEY root, const char* path, const std::string& name, const std::string& text);
// The stored options "Force,Disable,Minimise", in the order of kOptions:
// each its exact text, "~" when absent, "?" when not a REG_SZ.
std::string StoredOptions();

// The program's tray icon, through the shell: true when it is there.
bool IconPresent(HWND main);
void RemoveIcon(HWND main);
// The one icon Wine's taskbar shows, its tip and place; false unless exactly one.
bool ShownIcon(std::string& tip, RECT& place);

// The process's lines of the relay trace that run-group.sh keeps, in order:
// its calls of the traced functions, and the messages its window procedures got.
const std::vector<relay::Line>& Traced(DWORD pid);
// Of those, the calls the program made itself, from inside its own image:
// Wine's libraries call traced functions on its threads too.
std::vector<relay::Line> OwnCalls(const Program& program);
// What the program's traced calls were, for a failure's message.
std::string Listed(const std::vector<relay::Line>& calls);

}  // namespace e2e
