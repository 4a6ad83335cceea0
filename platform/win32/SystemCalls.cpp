// The named system calls, passed through with their own arguments.
#include <windows.h>

#include <cstring>

#include "platform/win32/Exports.h"
#include "platform/win32/Registry.h"
#include "platform/win32/Shell32.h"
#include "platform/win32/Win32Platform.h"

namespace quellar {
namespace win32 {
namespace {

HANDLE ToHandle(Handle handle) { return reinterpret_cast<HANDLE>(handle); }

// The token functions are called on the NT family only; looked up then, they
// need not be exported by every system the program runs on.
template <typename Function>
Function Advapi(const char* name) {
    return Export<Function>(GetModuleHandleA("advapi32.dll"), name);
}

TOKEN_PRIVILEGES ToNative(const TokenPrivileges& state) {
    TOKEN_PRIVILEGES native{};
    native.PrivilegeCount = state.PrivilegeCount;
    native.Privileges[0].Luid.LowPart = state.Luid.LowPart;
    native.Privileges[0].Luid.HighPart = state.Luid.HighPart;
    native.Privileges[0].Attributes = state.Attributes;
    return native;
}

}  // namespace

static_assert(sizeof(TOKEN_PRIVILEGES) == sizeof(TokenPrivileges), "one-entry TOKEN_PRIVILEGES");
static_assert(sizeof(OSVERSIONINFOA) == sizeof(OsVersionInfo), "OSVERSIONINFOA");

bool Win32Platform::SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                                const std::string& value) {
    return WriteSetting(app, section, key, value);
}

bool Win32Platform::GetSetting(const std::string& app, const std::string& section, const std::string& key,
                               std::string& value) {
    return ReadSetting(app, section, key, value);
}

bool Win32Platform::DeleteSetting(const std::string& app, const std::string& section, const std::string& key) {
    return RemoveSetting(app, section, key);
}

bool Win32Platform::GetVersionExA(OsVersionInfo& info) {
    OSVERSIONINFOA native;
    std::memcpy(&native, &info, sizeof native);
    const BOOL ok = ::GetVersionExA(&native);
    std::memcpy(&info, &native, sizeof native);
    return ok != FALSE;
}

std::uint32_t Win32Platform::GetVersion() { return ::GetVersion(); }

bool Win32Platform::GetComputerNameA(char* buffer, std::uint32_t& size) {
    DWORD length = size;
    const BOOL ok = ::GetComputerNameA(buffer, &length);
    size = length;
    return ok != FALSE;
}

bool Win32Platform::GetUserNameA(char* buffer, std::uint32_t& size) {
    DWORD length = size;
    const BOOL ok = ::GetUserNameA(buffer, &length);
    size = length;
    return ok != FALSE;
}

void Win32Platform::SetLastError(std::uint32_t code) { ::SetLastError(code); }

Handle Win32Platform::GetCurrentProcess() { return reinterpret_cast<Handle>(::GetCurrentProcess()); }

bool Win32Platform::OpenProcessToken(Handle process, std::uint32_t access, Handle& token) {
    using OpenFn = BOOL(WINAPI*)(HANDLE, DWORD, PHANDLE);
    const auto open = Advapi<OpenFn>("OpenProcessToken");
    HANDLE opened = nullptr;
    const BOOL ok = open && open(ToHandle(process), access, &opened);
    token = reinterpret_cast<Handle>(opened);
    return ok != FALSE;
}

bool Win32Platform::LookupPrivilegeValueA(const char* systemName, const char* name, Luid& luid) {
    using LookupFn = BOOL(WINAPI*)(LPCSTR, LPCSTR, PLUID);
    const auto lookup = Advapi<LookupFn>("LookupPrivilegeValueA");
    LUID native{};
    const BOOL ok = lookup && lookup(systemName, name, &native);
    luid.LowPart = native.LowPart;
    luid.HighPart = native.HighPart;
    return ok != FALSE;
}

bool Win32Platform::AdjustTokenPrivileges(Handle token, bool disableAll, const TokenPrivileges& newState,
                                          std::uint32_t bufferLength, TokenPrivileges& previousState,
                                          std::uint32_t& returnLength) {
    using AdjustFn = BOOL(WINAPI*)(HANDLE, BOOL, PTOKEN_PRIVILEGES, DWORD, PTOKEN_PRIVILEGES, PDWORD);
    const auto adjust = Advapi<AdjustFn>("AdjustTokenPrivileges");
    TOKEN_PRIVILEGES native = ToNative(newState);
    TOKEN_PRIVILEGES previous{};
    DWORD length = 0;
    const BOOL ok =
        adjust && adjust(ToHandle(token), disableAll ? TRUE : FALSE, &native, bufferLength, &previous, &length);
    previousState.PrivilegeCount = previous.PrivilegeCount;
    previousState.Luid.LowPart = previous.Privileges[0].Luid.LowPart;
    previousState.Luid.HighPart = previous.Privileges[0].Luid.HighPart;
    previousState.Attributes = previous.Privileges[0].Attributes;
    returnLength = length;
    return ok != FALSE;
}

bool Win32Platform::CloseHandle(Handle handle) { return ::CloseHandle(ToHandle(handle)) != FALSE; }

bool Win32Platform::ExitWindowsEx(std::uint32_t flags, std::uint32_t reserved) {
    return ::ExitWindowsEx(flags, reserved) != FALSE;
}

// The shell gets its own record, filled field by field: on 64-bit Windows its
// handles are wider than the program's 88-byte record.
bool Win32Platform::Shell_NotifyIconA(std::uint32_t message, const modSysTray::TrayIconRecord& record) {
    NOTIFYICONDATAA native{};
    native.cbSize = record.cbSize == sizeof record ? NOTIFYICONDATAA_V1_SIZE : record.cbSize;
    native.hWnd = From32<HWND>(record.hWnd);
    native.uID = record.uID;
    native.uFlags = record.uFlags;
    native.uCallbackMessage = record.uCallbackMessage;
    native.hIcon = From32<HICON>(record.hIcon);
    std::memcpy(native.szTip, record.szTip, sizeof record.szTip);
    return NotifyIcon(message, &native) != FALSE;
}

bool Win32Platform::SetForegroundWindow(std::uint32_t window) {
    return ::SetForegroundWindow(From32<HWND>(window)) != FALSE;
}

}  // namespace win32
}  // namespace quellar
