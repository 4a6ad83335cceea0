// The texts start-up writes, apart from any window.
#pragma once

#include <string>

#include "app/TextCase.h"

namespace quellar {

// "Log Off " and at most 8 characters of the user's name, its first letter
// in capitals; empty when there is no name. An "&" shows as itself rather
// than marking an access key.
std::string LogOffCaption(const std::string& userName, TextCase& textCase);

// The Windows name, " on \\" and the computer's name without its outer
// blanks, in capitals and cut at 15 characters.
std::string VersionLabel(const std::string& windowsName, const std::string& computerName, TextCase& textCase);

}  // namespace quellar
