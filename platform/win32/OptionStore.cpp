// The options' store over Win32: string values of one registry key.
#include <vector>

#include "platform/win32/Handles.h"
#include "platform/win32/Identifiers.h"
#include "platform/win32/Win32Ports.h"

namespace quellar {
namespace win32 {

bool Win32OptionStore::Save(const std::string& key, const std::string& text) {
    HKEY raw = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, ids::kStorePath, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr,
                        &raw, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    RegKey section(raw);
    return RegSetValueExA(section.get(), key.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>(text.size() + 1)) == ERROR_SUCCESS;
}

// A value that is not a string, or one that cannot be read, reads as empty
// text too; false only when the key cannot be opened.
bool Win32OptionStore::Load(const std::string& key, std::string& text) {
    text.clear();
    HKEY raw = nullptr;
    const LONG opened = RegOpenKeyExA(HKEY_CURRENT_USER, ids::kStorePath, 0, KEY_QUERY_VALUE, &raw);
    if (opened == ERROR_FILE_NOT_FOUND) return true;
    if (opened != ERROR_SUCCESS) return false;
    RegKey section(raw);
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(section.get(), key.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return true;
    if (type != REG_SZ && type != REG_EXPAND_SZ) return true;
    // One spare byte, so that data stored without its terminator still ends.
    std::vector<char> data(size + 1, '\0');
    if (RegQueryValueExA(section.get(), key.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) !=
        ERROR_SUCCESS) {
        return true;
    }
    data[size < data.size() ? size : data.size() - 1] = '\0';
    text = data.data();
    return true;
}

bool Win32OptionStore::Remove(const std::string& key) {
    HKEY raw = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, ids::kStorePath, 0, KEY_SET_VALUE, &raw) != ERROR_SUCCESS) return false;
    RegKey section(raw);
    return RegDeleteValueA(section.get(), key.c_str()) == ERROR_SUCCESS;
}

}  // namespace win32
}  // namespace quellar
