#include "platform/win32/Registry.h"

#include <windows.h>

#include <vector>

#include "platform/win32/Handles.h"

namespace quellar {
namespace win32 {
namespace {

std::string SectionPath(const std::string& app, const std::string& section) {
    return "Software\\VB and VBA Program Settings\\" + app + "\\" + section;
}

}  // namespace

bool WriteSetting(const std::string& app, const std::string& section, const std::string& key,
                  const std::string& value) {
    HKEY raw = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, SectionPath(app, section).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_SET_VALUE, nullptr, &raw, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    RegKey sectionKey(raw);
    return RegSetValueExA(sectionKey.get(), key.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

bool ReadSetting(const std::string& app, const std::string& section, const std::string& key, std::string& value) {
    value.clear();
    HKEY raw = nullptr;
    const LONG opened = RegOpenKeyExA(HKEY_CURRENT_USER, SectionPath(app, section).c_str(), 0, KEY_QUERY_VALUE, &raw);
    if (opened == ERROR_FILE_NOT_FOUND) return true;
    if (opened != ERROR_SUCCESS) return false;
    RegKey sectionKey(raw);
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(sectionKey.get(), key.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return true;
    if (type != REG_SZ && type != REG_EXPAND_SZ) return true;
    // One spare byte, so that data stored without its terminator still ends.
    std::vector<char> data(size + 1, '\0');
    if (RegQueryValueExA(sectionKey.get(), key.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) !=
        ERROR_SUCCESS) {
        return true;
    }
    data[size < data.size() ? size : data.size() - 1] = '\0';
    value = data.data();
    return true;
}

bool RemoveSetting(const std::string& app, const std::string& section, const std::string& key) {
    HKEY raw = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, SectionPath(app, section).c_str(), 0, KEY_SET_VALUE, &raw) != ERROR_SUCCESS) {
        return false;
    }
    RegKey sectionKey(raw);
    return RegDeleteValueA(sectionKey.get(), key.c_str()) == ERROR_SUCCESS;
}

}  // namespace win32
}  // namespace quellar
