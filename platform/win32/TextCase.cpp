// Text by the rules of the system's ANSI code page.
#include "platform/win32/Win32Ports.h"

namespace quellar {
namespace win32 {

std::string Win32TextCase::UpperCase(const std::string& text) {
    std::string result = text;
    if (!result.empty()) CharUpperBuffA(&result[0], static_cast<DWORD>(result.size()));
    return result;
}

std::string Win32TextCase::LowerCase(const std::string& text) {
    std::string result = text;
    if (!result.empty()) CharLowerBuffA(&result[0], static_cast<DWORD>(result.size()));
    return result;
}

bool Win32TextCase::IsLeadByte(char c) { return IsDBCSLeadByte(static_cast<BYTE>(c)) != FALSE; }

}  // namespace win32
}  // namespace quellar
