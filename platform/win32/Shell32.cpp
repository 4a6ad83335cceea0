#include "platform/win32/Shell32.h"

#include "platform/win32/Exports.h"

namespace quellar {
namespace win32 {
namespace {

// Loaded once and kept for the life of the process.
HMODULE Library() {
    static HMODULE shell32 = LoadLibraryA("shell32.dll");
    return shell32;
}

template <typename Function>
Function Find(const char* name) {
    return Export<Function>(Library(), name);
}

}  // namespace

BOOL NotifyIcon(DWORD message, NOTIFYICONDATAA* data) {
    static const auto notify = Find<decltype(&::Shell_NotifyIconA)>("Shell_NotifyIconA");
    return notify ? notify(message, data) : FALSE;
}

void OpenTarget(HWND owner, const char* target) {
    static const auto execute = Find<decltype(&::ShellExecuteA)>("ShellExecuteA");
    if (execute) execute(owner, "open", target, nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace win32
}  // namespace quellar
