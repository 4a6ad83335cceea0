// The four workstation actions, each with every name the program gives it
// and what it asks of Windows.
#pragma once

#include <cstddef>
#include <cstdint>

namespace quellar {

enum class ActionId { LogOff, Shutdown, Reboot, PowerDown };

struct Action {
    const char* listItem;    // its item in the countdown's list
    const char* verb;        // in the question "Are you sure you want to <verb>?"
    std::int32_t exitValue;  // ExitWindowsEx's value for it
    bool needsShutdownPrivilege;
};

// In the list's order.
inline constexpr Action kActions[] = {
    {"Log Off", "log off", 0, false},
    {"Shutdown", "shutdown", 1, true},
    {"Reboot", "reboot", 2, true},
    {"Power Down", "power down", 8, true},
};

constexpr const Action& ActionOf(ActionId id) { return kActions[static_cast<std::size_t>(id)]; }

}  // namespace quellar
