// The shutdown privilege, which the NT family needs before it shuts down,
// reboots or powers down. No result is tested: each call is made whatever
// the one before returned.
#include "app/frmQuellar.h"

namespace quellar {
namespace {

constexpr std::uint32_t kTokenAdjustPrivileges = 0x20;
constexpr std::uint32_t kTokenQuery = 0x8;
constexpr std::uint32_t kPrivilegeEnabled = 2;

}  // namespace

void frmQuellar::EnableShutdownPrivilege() {
    ui_.SetLastError(0);
    if (glngWhichWindows32 != 1) return;

    const Handle process = ui_.GetCurrentProcess();
    Handle token = 0;
    ui_.OpenProcessToken(process, kTokenAdjustPrivileges | kTokenQuery, token);
    Luid luid{};
    ui_.LookupPrivilegeValueA("", "SeShutdownPrivilege", luid);
    const TokenPrivileges newState{1, luid, kPrivilegeEnabled};
    TokenPrivileges previousState{};
    std::uint32_t returnLength = 0;
    ui_.AdjustTokenPrivileges(token, false, newState, sizeof newState, previousState, returnLength);
    // The privilege stays enabled in the process; the token is not needed again.
    if (token != 0) ui_.CloseHandle(token);
}

}  // namespace quellar
