// The shutdown privilege, enabled in this process's token. No result is
// tested: each call is made whatever the one before returned.
#include <windows.h>

#include "platform/win32/Exports.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win32Ports.h"

namespace quellar {
namespace win32 {
namespace {

// The token functions are called on the NT family only; looked up then, they
// need not be exported by every system the program runs on.
template <typename Function>
Function Advapi(const char* name) {
    return Export<Function>(GetModuleHandleA("advapi32.dll"), name);
}

}  // namespace

void Win32Workstation::EnableShutdownPrivilegeInToken() {
    HANDLE process = GetCurrentProcess();
    HANDLE opened = nullptr;
    if (const auto open = Advapi<decltype(&::OpenProcessToken)>("OpenProcessToken")) {
        open(process, TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &opened);
    }
    // The privilege stays enabled in the process; the token is closed on the way out.
    const KernelHandle token(opened);

    TOKEN_PRIVILEGES newState{};
    static_assert(sizeof newState == 16, "one privilege: 16 bytes");
    newState.PrivilegeCount = 1;
    if (const auto lookup = Advapi<decltype(&::LookupPrivilegeValueA)>("LookupPrivilegeValueA")) {
        lookup("", "SeShutdownPrivilege", &newState.Privileges[0].Luid);
    }
    newState.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    TOKEN_PRIVILEGES previousState{};
    DWORD returnLength = 0;
    if (const auto adjust = Advapi<decltype(&::AdjustTokenPrivileges)>("AdjustTokenPrivileges")) {
        adjust(token.get(), FALSE, &newState, sizeof newState, &previousState, &returnLength);
    }
}

}  // namespace win32
}  // namespace quellar
