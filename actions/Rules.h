// The workstation actions' rules, apart from any window: which Windows a
// version record names, and what each action asks of Windows.
#pragma once

#include <cstdint>
#include <string>

namespace quellar {

// The display name of a version record: by the platform, then by one
// version field. A platform of neither family (a failed call) is "Failed".
std::string VersionName(std::uint32_t platformId, std::uint32_t major, std::uint32_t minor);

// ExitWindowsEx's value for an action's verb; -1 for a verb that is none of
// the four.
std::int32_t ExitValue(const std::string& verb);

// The flags Windows receives: the action's value, with EWX_FORCE (4) added
// when the Force box is ticked.
std::uint32_t ExitFlags(std::int32_t value, bool force);

// What the program says when Windows refused the action of this value, in
// the system's words for why.
std::string RefusalNotice(std::int32_t value, const std::string& why);

}  // namespace quellar
