// The shutdown privilege, which the NT family needs before it shuts down,
// reboots or powers down. The last error is cleared on every system.
#include "app/frmQuellar.h"

namespace quellar {

void frmQuellar::EnableShutdownPrivilege() {
    ui_.ClearLastError();
    if (glngWhichWindows32 != 1) return;
    ui_.EnableShutdownPrivilegeInToken();
}

}  // namespace quellar
