// The texts start-up writes, apart from any window.
#pragma once

#include <string>

namespace quellar {

// Text by the rules of the system's ANSI code page: its case mapping, and
// its characters, which on East Asian systems take one byte or two.
class TextCase {
public:
    virtual std::string UpperCase(const std::string& text) = 0;
    virtual std::string LowerCase(const std::string& text) = 0;
    virtual bool IsLeadByte(char c) = 0;  // the first byte of a two-byte character

protected:
    ~TextCase() = default;
};

// "Log Off " and at most 8 characters of the user's name, its first letter
// in capitals; empty when there is no name. An "&" shows as itself rather
// than marking an access key.
std::string LogOffCaption(const std::string& userName, TextCase& textCase);

// The Windows name, " on \\" and the computer's name without its outer
// blanks, in capitals and cut at 15 characters.
std::string VersionLabel(const std::string& windowsName, const std::string& computerName, TextCase& textCase);

}  // namespace quellar
