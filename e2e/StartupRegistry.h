// The stored options exactly as the registry holds them (type and bytes),
// written before the program starts and pictured to compare afterwards; and
// what Wine reports as the Windows version and the computer's name.
#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "e2e/Handles.h"
#include "e2e/Session.h"

namespace e2e {

inline std::string StartupSection() { return std::string(kSettingsKey) + "\\Startup"; }

struct StoredValue {
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
    bool operator==(const StoredValue& other) const { return type == other.type && data == other.data; }
    bool operator!=(const StoredValue& other) const { return !(*this == other); }
};

// Text as the program stores it: REG_SZ with its terminator.
inline StoredValue Text(const std::string& text) {
    StoredValue value{REG_SZ, std::vector<BYTE>(text.begin(), text.end())};
    value.data.push_back(0);
    return value;
}

inline StoredValue Number(DWORD number) {
    const auto* bytes = reinterpret_cast<const BYTE*>(&number);
    return {REG_DWORD, std::vector<BYTE>(bytes, bytes + sizeof number)};
}

inline std::ostream& operator<<(std::ostream& out, const StoredValue& value) {
    out << "type " << value.type << " bytes [";
    for (std::size_t i = 0; i < value.data.size(); ++i) out << (i ? " " : "") << static_cast<int>(value.data[i]);
    return out << "]";
}

inline UniqueRegKey OpenKeyFor(HKEY root, const std::string& subKey, REGSAM access) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, subKey.c_str(), 0, access, &key) != ERROR_SUCCESS) return nullptr;
    return UniqueRegKey(key);
}

inline bool WriteValue(HKEY root, const std::string& subKey, const std::string& name, const StoredValue& value) {
    HKEY raw = nullptr;
    if (RegCreateKeyExA(root, subKey.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &raw, nullptr) != ERROR_SUCCESS)
        return false;
    const UniqueRegKey key(raw);
    return RegSetValueExA(key.get(), name.c_str(), 0, value.type, value.data.data(),
                          static_cast<DWORD>(value.data.size())) == ERROR_SUCCESS;
}

inline bool DeleteValue(HKEY root, const std::string& subKey, const std::string& name) {
    const auto key = OpenKeyFor(root, subKey, KEY_SET_VALUE);
    if (!key) return true;
    const LSTATUS status = RegDeleteValueA(key.get(), name.c_str());
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

inline std::optional<StoredValue> ReadValue(HKEY root, const std::string& subKey, const std::string& name) {
    const auto key = OpenKeyFor(root, subKey, KEY_QUERY_VALUE);
    if (!key) return std::nullopt;
    StoredValue value;
    DWORD size = 0;
    if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &value.type, nullptr, &size) != ERROR_SUCCESS)
        return std::nullopt;
    value.data.resize(size);
    if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &value.type, value.data.data(), &size) != ERROR_SUCCESS)
        return std::nullopt;
    value.data.resize(size);
    return value;
}

inline bool WriteUserValue(const std::string& subKey, const std::string& name, const StoredValue& value) {
    return WriteValue(HKEY_CURRENT_USER, subKey, name, value);
}

inline std::optional<StoredValue> ReadUserValue(const std::string& subKey, const std::string& name) {
    return ReadValue(HKEY_CURRENT_USER, subKey, name);
}

// Every key and value below subKey: "path\" for a key, "path\name" for a value.
using RegistryPicture = std::map<std::string, StoredValue>;

inline void AddToPicture(const std::string& subKey, const std::string& path, RegistryPicture& picture) {
    const auto key = OpenKeyFor(HKEY_CURRENT_USER, subKey, KEY_READ);
    if (!key) return;
    picture[path + "\\"] = StoredValue{};
    constexpr DWORD kLongestName = 16384;
    std::vector<char> name(kLongestName);
    for (DWORD i = 0;; ++i) {
        DWORD length = kLongestName;
        if (RegEnumValueA(key.get(), i, name.data(), &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        const std::string valueName(name.data(), length);
        picture[path + "\\" + valueName] = ReadUserValue(subKey, valueName).value_or(StoredValue{REG_NONE, {0xEE}});
    }
    for (DWORD i = 0;; ++i) {
        DWORD length = kLongestName;
        if (RegEnumKeyExA(key.get(), i, name.data(), &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        const std::string child(name.data(), length);
        AddToPicture(subKey + "\\" + child, path + "\\" + child, picture);
    }
}

inline RegistryPicture PictureOf(const std::string& subKey) {
    RegistryPicture picture;
    AddToPicture(subKey, "", picture);
    return picture;
}

// Puts a value in place for as long as this lives, then puts back what was
// there before (or removes it again).
class ValueOverride {
public:
    ValueOverride(HKEY root, std::string subKey, std::string name, const StoredValue& value)
        : root_(root),
          subKey_(std::move(subKey)),
          name_(std::move(name)),
          previous_(ReadValue(root_, subKey_, name_)),
          ok_(WriteValue(root_, subKey_, name_, value)) {}
    ~ValueOverride() {
        if (previous_) {
            WriteValue(root_, subKey_, name_, *previous_);
        } else {
            DeleteValue(root_, subKey_, name_);
        }
    }
    ValueOverride(const ValueOverride&) = delete;
    ValueOverride& operator=(const ValueOverride&) = delete;
    bool ok() const { return ok_; }

private:
    HKEY root_;
    std::string subKey_;
    std::string name_;
    std::optional<StoredValue> previous_;
    bool ok_;
};

// Wine reads which Windows to report when a process starts: the processes
// started while this lives see another version.
inline ValueOverride EmulatedWindows(const std::string& version) {
    return ValueOverride(HKEY_CURRENT_USER, "Software\\Wine", "Version", Text(version));
}

// Wine answers GetComputerName from this value at every call.
inline ValueOverride ComputerNamed(const std::string& name) {
    return ValueOverride(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Control\\ComputerName\\ActiveComputerName",
                         "ComputerName", Text(name));
}

}  // namespace e2e
