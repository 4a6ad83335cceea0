#include "e2e/StartState.h"

#include <windows.h>

#include <cctype>

#include "e2e/ExpectedLayout.h"

namespace e2e {
namespace {

using quellar::ControlId;

constexpr std::size_t kLongestUserName = 8;
constexpr std::size_t kLongestComputerName = 15;
constexpr DWORD kNameBuffer = 256;

// "Log Off " and the login name, capitalised; "&" shown as itself.
std::string LogOffCaption() {
    char buffer[kNameBuffer] = {};
    DWORD size = sizeof buffer;
    if (!GetUserNameA(buffer, &size) || buffer[0] == '\0') return Row(ControlId::cmdLogOff).text;
    std::string name = std::string(buffer).substr(0, kLongestUserName);
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        name[i] = static_cast<char>(i == 0 ? std::toupper(c) : std::tolower(c));
    }
    std::string caption = "Log Off ";
    for (char c : name) caption += c == '&' ? std::string("&&") : std::string(1, c);
    return caption;
}

// Only the systems the program knows by name; any other gives no name.
std::string WindowsName() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    if (!GetVersionExA(&info)) return "Failed";
    if (info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS) {
        if (info.dwMinorVersion == 0) return "Windows 95";
        if (info.dwMinorVersion == 10) return "Windows 98";
        return "";
    }
    if (info.dwPlatformId == VER_PLATFORM_WIN32_NT) {
        if (info.dwMajorVersion == 3) return "Windows NT 3.51";
        if (info.dwMajorVersion == 4) return "Windows NT 4.0";
        if (info.dwMajorVersion == 5) return "Windows 2000";
        return "";
    }
    return "Failed";
}

std::string ComputerName() {
    char buffer[kNameBuffer] = {};
    DWORD size = sizeof buffer;
    if (!GetComputerNameA(buffer, &size)) return "";
    std::string name = buffer;
    for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return name.substr(0, kLongestComputerName);
}

}  // namespace

std::string ExpectedTextAtStart(ControlId id) {
    switch (id) {
        case ControlId::cmdLogOff: return LogOffCaption();
        case ControlId::lblVersion: return WindowsName() + " on \\\\" + ComputerName();
        default: return Row(id).text;
    }
}

bool ExpectedEnabledAtStart(ControlId id) { return id == ControlId::cmdStart ? false : Row(id).enabled; }

}  // namespace e2e
