#include "actions/WhichWindows.h"

#include "actions/Rules.h"

namespace quellar {

void WhichWindows::LearnFamily() { glngWhichWindows32 = (workstation_.VersionNumber() & 0x80000000u) == 0 ? 1 : 0; }

// A record that cannot be read names the platform 0: "Failed".
std::string WhichWindows::getVersionEx() {
    const WindowsVersion version = workstation_.VersionRecord();
    return VersionName(version.platformId, version.major, version.minor);
}

void WhichWindows::EnableShutdownPrivilege() {
    workstation_.ClearLastError();
    if (glngWhichWindows32 != 1) return;
    workstation_.EnableShutdownPrivilegeInToken();
}

}  // namespace quellar
