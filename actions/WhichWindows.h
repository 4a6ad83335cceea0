// Which Windows this is: its name for the version label, and its family, on
// which the shutdown privilege depends. Called by the form at start-up and
// before each action that needs the privilege.
#pragma once

#include <cstdint>
#include <string>

#include "app/Workstation.h"

namespace quellar {

class WhichWindows {
public:
    explicit WhichWindows(Workstation& workstation) : workstation_(workstation) {}

    // 1 on the NT family, 0 otherwise; set once at start-up by LearnFamily.
    std::int32_t glngWhichWindows32 = 0;
    void LearnFamily();
    // The version record's name; "Failed" when the record cannot be read.
    std::string getVersionEx();
    // The last error is cleared on every system; the NT family gets the
    // privilege it needs before it shuts down, reboots or powers down.
    void EnableShutdownPrivilege();

private:
    Workstation& workstation_;
};

}  // namespace quellar
