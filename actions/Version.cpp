// Which Windows this is, for the version label, and the computer's name.
#include "actions/Rules.h"
#include "app/Captions.h"
#include "app/frmQuellar.h"

namespace quellar {
namespace {

constexpr std::uint32_t kWin32Windows = 1;
constexpr std::uint32_t kWin32Nt = 2;

}  // namespace

std::string VersionName(std::uint32_t platformId, std::uint32_t major, std::uint32_t minor) {
    switch (platformId) {
        case kWin32Windows:
            if (minor == 0) return "Windows 95";
            if (minor == 10) return "Windows 98";
            return std::string();
        case kWin32Nt:
            if (major == 3) return "Windows NT 3.51";
            if (major == 4) return "Windows NT 4.0";
            if (major == 5) return "Windows 2000";
            return std::string();
        default: return "Failed";
    }
}

// A record that cannot be read names the platform 0: "Failed".
std::string frmQuellar::getVersionEx() {
    const WindowsVersion version = ui_.VersionRecord();
    return VersionName(version.platformId, version.major, version.minor);
}

// An unreadable computer name leaves the label ending in " on \\".
void frmQuellar::ShowVersionLabel() {
    const std::string computer = ui_.ComputerName();  // asked before the version, as always
    ui_.SetText(ControlId::lblVersion, VersionLabel(getVersionEx(), computer, ui_));
}

}  // namespace quellar
