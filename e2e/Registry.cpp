#include "e2e/Registry.h"

#include <vector>

#include "e2e/Handles.h"

namespace e2e {
namespace {

UniqueRegKey OpenUserKey(const std::string& subKey) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, subKey.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return nullptr;
    return UniqueRegKey(key);
}

}  // namespace

bool UserKeyExists(const std::string& subKey) { return OpenUserKey(subKey) != nullptr; }

bool DeleteUserTree(const std::string& subKey) {
    const LSTATUS status = RegDeleteTreeA(HKEY_CURRENT_USER, subKey.c_str());
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

std::optional<std::string> ReadUserString(const std::string& subKey, const std::string& valueName) {
    const auto key = OpenUserKey(subKey);
    if (!key) return std::nullopt;
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(key.get(), valueName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return std::nullopt;
    if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;
    std::vector<char> data(size + 1, '\0');  // the stored data need not be terminated
    if (RegQueryValueExA(key.get(), valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    return std::string(data.data());
}

std::optional<DWORD> ReadUserDword(const std::string& subKey, const std::string& valueName) {
    const auto key = OpenUserKey(subKey);
    if (!key) return std::nullopt;
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegQueryValueExA(key.get(), valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
            ERROR_SUCCESS ||
        type != REG_DWORD)
        return std::nullopt;
    return value;
}

}  // namespace e2e
