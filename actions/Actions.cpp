// What each of the four workstation actions asks of Windows.
#include "actions/Action.h"
#include "actions/Rules.h"

namespace quellar {

std::int32_t ExitValue(const std::string& verb) {
    for (const Action& action : kActions) {
        if (verb == action.verb) return action.exitValue;
    }
    return -1;
}

std::uint32_t ExitFlags(std::int32_t value, bool force) {
    constexpr std::int32_t kForce = 4;
    return static_cast<std::uint32_t>(force ? value | kForce : value);
}

std::string RefusalNotice(std::int32_t value, const std::string& why) {
    const char* verb = "end the session";
    for (const Action& action : kActions) verb = action.exitValue == value ? action.verb : verb;
    return std::string("Windows refused to ") + verb + ":\r" + why;
}

}  // namespace quellar
