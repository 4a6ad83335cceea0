// Which Windows this is, for the version label, and the computer's name.
#include <algorithm>
#include <cstring>

#include "app/frmQuellar.h"

namespace quellar {
namespace {

constexpr std::uint32_t kWin32Windows = 1;
constexpr std::uint32_t kWin32Nt = 2;
constexpr std::size_t kComputerNameLength = 15;

std::string TrimBlanks(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return std::string();
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

}  // namespace

std::string frmQuellar::getVersionEx() {
    OsVersionInfo info{};
    info.dwOSVersionInfoSize = sizeof info;
    std::memset(info.szCSDVersion, ' ', sizeof info.szCSDVersion);
    ui_.GetVersionExA(info);  // a failed call leaves the platform at zero

    switch (info.dwPlatformId) {
        case kWin32Windows:
            if (info.dwMinorVersion == 0) return "Windows 95";
            if (info.dwMinorVersion == 10) return "Windows 98";
            return std::string();
        case kWin32Nt:
            if (info.dwMajorVersion == 3) return "Windows NT 3.51";
            if (info.dwMajorVersion == 4) return "Windows NT 4.0";
            if (info.dwMajorVersion == 5) return "Windows 2000";
            return std::string();
        default: return "Failed";
    }
}

// "<Windows name> on \\<COMPUTER>"; an unreadable name leaves it empty.
void frmQuellar::ShowVersionLabel() {
    char buffer[256] = {};
    std::uint32_t size = 255;
    std::string computer;
    if (ui_.GetComputerNameA(buffer, size)) {
        computer = ui_.UpperCase(TrimBlanks(buffer)).substr(0, kComputerNameLength);
    }
    ui_.SetText(ControlId::lblVersion, getVersionEx() + " on \\\\" + computer);
}

}  // namespace quellar
