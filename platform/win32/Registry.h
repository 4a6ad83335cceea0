// The per-user settings store: string values under
// HKEY_CURRENT_USER\Software\VB and VBA Program Settings\<app>\<section>,
// where the program has always kept them.
#pragma once

#include <string>

namespace quellar {
namespace win32 {

bool WriteSetting(const std::string& app, const std::string& section, const std::string& key, const std::string& value);
// An absent key, a value that is not a string, or one that cannot be read
// all read as empty text; false only when the section cannot be opened.
bool ReadSetting(const std::string& app, const std::string& section, const std::string& key, std::string& value);
bool RemoveSetting(const std::string& app, const std::string& section, const std::string& key);

}  // namespace win32
}  // namespace quellar
