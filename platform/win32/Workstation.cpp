// The workstation over Win32: the version and the names, the folder, the
// last error, the end of the session and of the program. The privilege is in
// ShutdownPrivilege.cpp.
#include <cstring>

#include "platform/win32/Win32Ports.h"

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

}  // namespace

WindowsVersion Win32Workstation::VersionRecord() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    std::memset(info.szCSDVersion, ' ', sizeof info.szCSDVersion);
    GetVersionExA(&info);  // a failed call leaves the numbers at zero
    return {info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion};
}

std::uint32_t Win32Workstation::VersionNumber() { return GetVersion(); }

std::string Win32Workstation::ComputerName() { return NameFrom(GetComputerNameA); }

std::string Win32Workstation::UserName() { return NameFrom(GetUserNameA); }

std::string Win32Workstation::StartFolder() {
    char directory[MAX_PATH + 1] = "";
    const DWORD length = GetCurrentDirectoryA(sizeof directory, directory);
    if (length == 0 || length >= sizeof directory) return std::string();
    return std::string(directory, length);
}

void Win32Workstation::ClearLastError() { SetLastError(0); }

bool Win32Workstation::AskToEndSession(std::uint32_t flags, std::string& whyRefused) {
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

void Win32Workstation::EndProgram() { ExitProcess(0); }

}  // namespace win32
}  // namespace quellar
