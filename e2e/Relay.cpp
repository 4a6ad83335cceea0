#include "e2e/Relay.h"

#include <algorithm>
#include <cstdlib>
#include <regex>

namespace e2e {
namespace relay {
namespace {

std::uint64_t Hex(const std::ssub_match& digits) { return std::strtoull(digits.str().c_str(), nullptr, 16); }

// A quoted text as the trace escapes it: \\ \" \n \r \t \xNN.
std::string Unescaped(const std::string& quoted) {
    std::string text;
    for (std::size_t at = 0; at < quoted.size(); ++at) {
        char c = quoted[at];
        if (c == '\\' && ++at < quoted.size()) {
            c = quoted[at];
            if (c == 'x') c = static_cast<char>(std::strtoul(quoted.substr(at + 1, 2).c_str(), nullptr, 16)), at += 2;
            c = c == 'n' ? '\n' : c == 'r' ? '\r' : c == 't' ? '\t' : c;
        }
        text += c;
    }
    return text;
}

// "A,B \"text\",..." as numbers, each with the text the trace shows beside it.
std::vector<Argument> Arguments(const std::string& list) {
    static const std::regex kArgument(R"re(([0-9A-Fa-f]*)(?: L?"((?:[^"\\]|\\.)*)"(?:\.\.\.)?)?[^,]*(?:,|$))re");
    std::vector<Argument> arguments;
    for (auto at = list.cbegin(); at != list.cend();) {
        std::smatch part;
        if (!std::regex_search(at, list.cend(), part, kArgument, std::regex_constants::match_continuous)) break;
        arguments.push_back({Hex(part[1]), part[2].matched, Unescaped(part[2].str())});
        at = part[0].second;
    }
    return arguments;
}

}  // namespace

// PID:TID:Call dll.Function(ARGUMENTS) ret=CALLER
// PID:TID:Ret  dll.Function() retval=RESULT ret=CALLER
// PID:TID:Call window proc PROCEDURE (hwnd=H,msg=NAME,wp=W,lp=L)
// PID:TID:Ret  window proc PROCEDURE (hwnd=H,msg=NAME,wp=W,lp=L) retval=RESULT
bool Read(const std::string& text, Line& line) {
    static const std::regex kLine(
        R"(^(?:([0-9a-f]+):)?([0-9a-f]+):(Call|Ret) +(?:window proc ([0-9A-Fa-f]+) \(hwnd=([0-9A-Fa-f]+),)"
        R"(msg=([^,]*),wp=([0-9A-Fa-f]+),lp=([0-9A-Fa-f]+)\)|(\w+\.\w+)\((.*)\))(?: retval=([0-9A-Fa-f]+))?)"
        R"((?: ret=([0-9A-Fa-f]+))?\r?$)");
    std::smatch part;
    if (!std::regex_match(text, part, kLine)) return false;
    line = Line{text,
                static_cast<std::uint32_t>(Hex(part[1])),
                static_cast<std::uint32_t>(Hex(part[2])),
                part[3] == "Call",
                part[9],
                Hex(part[5]),
                part[6],
                Arguments(part[10]),
                part[12].matched,
                Hex(part[12]),
                Hex(part[11])};
    if (line.function.empty()) line.arguments = {{Hex(part[7]), false, ""}, {Hex(part[8]), false, ""}};
    return true;
}

std::size_t Find(const std::vector<Line>& lines, const std::string& function,
                 std::initializer_list<std::uint64_t> leading, std::size_t from) {
    for (std::size_t at = from; at < lines.size(); ++at) {
        const Line& line = lines[at];
        const std::size_t dot = line.function.find('.');
        if (!line.call || dot == std::string::npos ||
            line.function.compare(dot + 1, std::string::npos, function) != 0 || line.arguments.size() < leading.size())
            continue;
        const Argument* argument = line.arguments.data();
        bool same = true;
        for (const std::uint64_t wanted : leading) {
            same = same && (wanted == kAny || Low(argument->value) == Low(wanted));
            ++argument;
        }
        if (same) return at;
    }
    return kNone;
}

std::size_t Returned(const std::vector<Line>& lines, std::size_t at) {
    for (std::size_t next = at + 1; at < lines.size() && next < lines.size(); ++next)
        if (!lines[next].call && lines[next].tid == lines[at].tid && lines[next].function == lines[at].function)
            return next;
    return kNone;
}

bool Heard(const std::vector<Line>& lines, std::uint64_t hwnd, const std::string& message) {
    return std::any_of(lines.begin(), lines.end(), [&](const Line& line) {
        return line.call && line.function.empty() && line.hwnd == hwnd && line.message == message;
    });
}

namespace {

std::uint64_t Little(const std::string& bytes, std::size_t at, int size) {
    std::uint64_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

}  // namespace

bool ReadImage(const std::string& bytes, Image& image) {
    constexpr std::size_t kNewHeaderAt = 0x3C, kOptionalAt = 24, kSizeAt = 56;
    constexpr unsigned kPe32 = 0x10B, kPe32Plus = 0x20B;
    if (bytes.size() < 0x40 || bytes.compare(0, 2, "MZ") != 0) return false;
    const std::size_t header = Little(bytes, kNewHeaderAt, 4), optional = header + kOptionalAt;
    if (bytes.size() < optional + kSizeAt + 4 || bytes.compare(header, 4, std::string("PE\0\0", 4)) != 0) return false;
    const auto magic = Little(bytes, optional, 2);
    if (magic != kPe32 && magic != kPe32Plus) return false;
    image.base = magic == kPe32 ? Little(bytes, optional + 28, 4) : Little(bytes, optional + 24, 8);
    image.size = static_cast<std::uint32_t>(Little(bytes, optional + kSizeAt, 4));
    return true;
}

}  // namespace relay
}  // namespace e2e
