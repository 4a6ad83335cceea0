// Which Windows a version record names, for the version label.
#include "actions/Rules.h"

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

}  // namespace quellar
