// What the program asks of the system: the settings store, the version and
// the names, the last error, the end of the session and the tray icon.
#include <windows.h>

#include <cstring>

#include "platform/win32/Registry.h"
#include "platform/win32/Shell32.h"
#include "platform/win32/Win32Platform.h"

namespace quellar {
namespace win32 {
namespace {

// ExitWindowsEx's second argument, as the program has always passed it.
constexpr DWORD kReserved = 0xFFFFFFFF;

// A name read into a buffer of 255 characters; empty when it cannot be read.
std::string NameFrom(BOOL(WINAPI* read)(LPSTR, LPDWORD)) {
    char buffer[256] = {};
    DWORD size = 255;
    return read(buffer, &size) ? std::string(buffer) : std::string();
}

// Checked where the 32-bit release is compiled, whatever host builds it.
static_assert(sizeof(void*) != 4 || NOTIFYICONDATAA_V1_SIZE == 88, "the first form is 88 bytes on 32-bit Windows");

// The shell gets its own record, filled field by field: on 64-bit Windows its
// handles are wider than the program's 88-byte record.
NOTIFYICONDATAA ToNative(const modSysTray::TrayIconRecord& record) {
    NOTIFYICONDATAA native{};
    native.cbSize = record.cbSize == sizeof record ? NOTIFYICONDATAA_V1_SIZE : record.cbSize;
    native.hWnd = From32<HWND>(record.hWnd);
    native.uID = record.uID;
    native.uFlags = record.uFlags;
    native.uCallbackMessage = record.uCallbackMessage;
    native.hIcon = From32<HICON>(record.hIcon);
    std::memcpy(native.szTip, record.szTip, sizeof record.szTip);
    return native;
}

}  // namespace

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

WindowsVersion Win32Platform::VersionRecord() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    std::memset(info.szCSDVersion, ' ', sizeof info.szCSDVersion);
    GetVersionExA(&info);  // a failed call leaves the numbers at zero
    return {info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion};
}

std::uint32_t Win32Platform::VersionNumber() { return GetVersion(); }

std::string Win32Platform::ComputerName() { return NameFrom(GetComputerNameA); }

std::string Win32Platform::UserName() { return NameFrom(GetUserNameA); }

void Win32Platform::ClearLastError() { SetLastError(0); }

bool Win32Platform::EndSession(std::uint32_t flags, std::string& whyRefused) {
    if (ExitWindowsEx(flags, kReserved)) return true;
    const DWORD error = GetLastError();
    char text[512] = "";
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text, sizeof text,
                   nullptr);
    whyRefused = text;
    whyRefused.erase(whyRefused.find_last_not_of(" \r\n") + 1);
    if (whyRefused.empty()) whyRefused = "error " + std::to_string(error);
    return false;
}

// The shell also refuses to add an icon it shows already (a TaskbarCreated
// that another program sent, say): a change to it is accepted exactly when
// it is there.
bool Win32Platform::AddTrayIcon(const modSysTray::TrayIconRecord& record) {
    NOTIFYICONDATAA native = ToNative(record);
    return NotifyIcon(NIM_ADD, &native) || NotifyIcon(NIM_MODIFY, &native);
}

void Win32Platform::DeleteTrayIcon(const modSysTray::TrayIconRecord& record) {
    NOTIFYICONDATAA native = ToNative(record);
    NotifyIcon(NIM_DELETE, &native);
}

}  // namespace win32
}  // namespace quellar
