// Text by the rules of the system's ANSI code page: its case mapping, and
// its characters, which on East Asian systems take one byte or two. Called by
// the captions at start-up; none of these calls comes back into the form.
#pragma once

#include <string>

namespace quellar {

class TextCase {
public:
    virtual std::string UpperCase(const std::string& text) = 0;
    virtual std::string LowerCase(const std::string& text) = 0;
    virtual bool IsLeadByte(char c) = 0;  // the first byte of a two-byte character

protected:
    ~TextCase() = default;
};

}  // namespace quellar
