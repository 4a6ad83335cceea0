#include "platform/win32/Shell32.h"

#include "platform/win32/Com.h"
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

// The shell may hand the opening to a COM handler (a browser registered that
// way), which needs COM set up on the calling thread first.
void OpenTarget(HWND owner, const char* target) {
    ComReady();
    static const auto execute = Find<decltype(&::ShellExecuteA)>("ShellExecuteA");
    if (execute) execute(owner, "open", target, nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace win32
}  // namespace quellar
