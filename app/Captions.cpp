#include "app/Captions.h"

namespace quellar {
namespace {

constexpr std::size_t kUserNameLength = 8;
constexpr std::size_t kComputerNameLength = 15;

std::string TrimBlanks(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return std::string();
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

}  // namespace

std::string LogOffCaption(const std::string& userName, TextCase& textCase) {
    const std::string name = userName.substr(0, kUserNameLength);
    if (name.empty()) return std::string();
    std::string caption = "Log Off ";
    for (char c : textCase.UpperCase(name.substr(0, 1)) + textCase.LowerCase(name.substr(1))) {
        caption += c;
        if (c == '&') caption += '&';
    }
    return caption;
}

std::string VersionLabel(const std::string& windowsName, const std::string& computerName, TextCase& textCase) {
    return windowsName + " on \\\\" + textCase.UpperCase(TrimBlanks(computerName)).substr(0, kComputerNameLength);
}

}  // namespace quellar
