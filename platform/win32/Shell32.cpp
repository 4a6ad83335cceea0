#include "platform/win32/Shell32.h"

#include <objbase.h>

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
// way), which needs COM set up on the calling thread first. Looked up, like
// the shell: Windows 95 without DCOM lacks CoInitializeEx.
bool ComReady() {
    const auto initialise = Export<decltype(&::CoInitializeEx)>(LoadLibraryA("ole32.dll"), "CoInitializeEx");
    return initialise && SUCCEEDED(initialise(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
}

void OpenTarget(HWND owner, const char* target) {
    static const bool comReady = ComReady();  // once, for the life of the process
    static_cast<void>(comReady);
    static const auto execute = Find<decltype(&::ShellExecuteA)>("ShellExecuteA");
    if (execute) execute(owner, "open", target, nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace win32
}  // namespace quellar
