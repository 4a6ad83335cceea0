#include "platform/win32/OtherCopies.h"

#include <vector>

#include "platform/win32/Exports.h"
#include "platform/win32/Identifiers.h"
#include "platform/win32/WindowText.h"

namespace quellar {
namespace win32 {
namespace {

struct WindowsOfClass {
    const char* className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM data) {
    auto* search = reinterpret_cast<WindowsOfClass*>(data);
    char name[64];
    if (GetClassNameA(hwnd, name, sizeof name) && lstrcmpA(name, search->className) == 0) {
        search->found.push_back(hwnd);
    }
    return TRUE;
}

std::vector<HWND> TopLevelWindows(const char* className) {
    WindowsOfClass search{className, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

DWORD ProcessOf(HWND hwnd) {
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    return process;
}

// Looked up at run time: older systems lack it, and the foreground rule with it.
void AllowForeground(DWORD process) {
    const auto allow =
        Export<decltype(&::AllowSetForegroundWindow)>(GetModuleHandleA("user32.dll"), "AllowSetForegroundWindow");
    if (allow) allow(process);
}

}  // namespace

Win32OtherCopies::~Win32OtherCopies() {
    if (titleWindow_) DestroyWindow(titleWindow_);
}

bool Win32OtherCopies::CreateTitleWindow() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = instance_;
    windowClass.lpszClassName = ids::kAppTitleClass;
    if (!RegisterClassA(&windowClass)) return false;
    // A hidden top-level window, so that other copies can enumerate it.
    titleWindow_ = CreateWindowExA(WS_EX_TOOLWINDOW, ids::kAppTitleClass, "Quellar", WS_POPUP, 0, 0, 0, 0, nullptr,
                                   nullptr, instance_, nullptr);
    return titleWindow_ != nullptr;
}

bool Win32OtherCopies::AnotherCopyRuns() {
    if (decided_) return anotherCopy_;
    decided_ = true;
    HANDLE mutex = CreateMutexA(nullptr, FALSE, ids::kMutexName);
    DWORD error = GetLastError();
    // A copy run as administrator holds a mutex that this one may not open:
    // that is a copy that runs too.
    if (!mutex && error != ERROR_ACCESS_DENIED) {
        mutex = CreateMutexA(nullptr, FALSE, ids::kOldMutexName);
        error = GetLastError();
    }
    anotherCopy_ = (mutex && error == ERROR_ALREADY_EXISTS) || (!mutex && error == ERROR_ACCESS_DENIED);
    mutex_.reset(mutex);
    return anotherCopy_;
}

std::string Win32OtherCopies::Title() { return titleWindow_ ? WindowText(titleWindow_) : std::string(); }

void Win32OtherCopies::SetTitle(const std::string& title) {
    if (titleWindow_) SetWindowTextA(titleWindow_, title.c_str());
}

bool Win32OtherCopies::ActivateCopy(const std::string& title) {
    const DWORD self = GetCurrentProcessId();
    HWND exact = nullptr;
    HWND prefix = nullptr;
    for (HWND hwnd : TopLevelWindows(ids::kAppTitleClass)) {
        if (ProcessOf(hwnd) == self) continue;
        const std::string candidate = WindowText(hwnd);
        if (candidate == title && !exact) exact = hwnd;
        if (candidate.compare(0, title.size(), title) == 0 && !prefix) prefix = hwnd;
    }
    HWND app = exact ? exact : prefix;
    if (!app) return false;
    const DWORD process = ProcessOf(app);
    for (HWND main : TopLevelWindows(ids::kMainClass)) {
        // A copy in the tray stays there.
        if (ProcessOf(main) != process || !IsWindowVisible(main)) continue;
        AllowForeground(process);
        if (IsIconic(main)) ShowWindow(main, SW_RESTORE);
        ::SetForegroundWindow(main);
    }
    return true;
}

}  // namespace win32
}  // namespace quellar
