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

// The text's first `count` characters, never half of a two-byte one.
std::string FirstCharacters(const std::string& text, std::size_t count, TextCase& textCase) {
    std::size_t end = 0;
    for (; count > 0 && end < text.size(); --count) end += textCase.IsLeadByte(text[end]) ? 2 : 1;
    return text.substr(0, end);
}

}  // namespace

std::string LogOffCaption(const std::string& userName, TextCase& textCase) {
    const std::string name = FirstCharacters(userName, kUserNameLength, textCase);
    if (name.empty()) return std::string();
    const std::string first = FirstCharacters(name, 1, textCase);
    std::string caption = "Log Off ";
    for (char c : textCase.UpperCase(first) + textCase.LowerCase(name.substr(first.size()))) {
        caption += c;
        if (c == '&') caption += '&';
    }
    return caption;
}

std::string VersionLabel(const std::string& windowsName, const std::string& computerName, TextCase& textCase) {
    return windowsName + " on \\\\" +
           FirstCharacters(textCase.UpperCase(TrimBlanks(computerName)), kComputerNameLength, textCase);
}

}  // namespace quellar
