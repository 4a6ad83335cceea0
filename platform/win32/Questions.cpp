// The program's message boxes over Win32.
#include "platform/win32/Win32Ports.h"

namespace quellar {
namespace win32 {
namespace {

// A message box is a dialog of the system's class "#32770". Minimising its
// window under it (the taskbar, Win+D) hides it too: it is shown again.
BOOL CALLBACK ToFrontIfBox(HWND hwnd, LPARAM) {
    char name[16] = "";
    if (!GetClassNameA(hwnd, name, sizeof name) || lstrcmpA(name, "#32770") != 0) return TRUE;
    ShowWindow(hwnd, SW_SHOW);
    ::SetForegroundWindow(hwnd);
    return FALSE;
}

}  // namespace

int Win32Questions::ShowBox(const std::string& prompt, BoxStyle style, const std::string& title) {
    HWND owner = window_.Handle();
    UINT flags = static_cast<UINT>(style);
    // Asked from the tray, the question must still come to the front.
    if (!owner || !IsWindowVisible(owner)) flags |= MB_SETFOREGROUND;
    InputGuard::QuestionOpens();
    return MessageBoxA(owner, prompt.c_str(), title.c_str(), flags);
}

// The program's boxes belong to its one thread.
void Win32Questions::BringBoxToFront() { EnumThreadWindows(GetCurrentThreadId(), ToFrontIfBox, 0); }

}  // namespace win32
}  // namespace quellar
