// The program's settings as it left them in HKEY_CURRENT_USER (the driver
// runs in the same Wine prefix, so it sees the same registry).
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace e2e {

std::optional<std::string> ReadUserString(const std::string& subKey, const std::string& valueName);
std::optional<DWORD> ReadUserDword(const std::string& subKey, const std::string& valueName);
bool UserKeyExists(const std::string& subKey);
// Removes the key with everything below it; true when it is gone.
bool DeleteUserTree(const std::string& subKey);

}  // namespace e2e
