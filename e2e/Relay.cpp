#include "e2e/Relay.h"

#include <algorithm>
#include <cstring>

namespace e2e {
namespace relay {
namespace {

// Reads a line from left to right; each step takes what it names or nothing.
class Cursor {
public:
    explicit Cursor(const std::string& text) : text_(text) {}

    bool Take(const char* literal) {
        const std::size_t n = std::strlen(literal);
        if (text_.compare(at_, n, literal) != 0) return false;
        at_ += n;
        return true;
    }
    bool Ahead(const char* literal) const { return text_.compare(at_, std::strlen(literal), literal) == 0; }
    bool Hex(std::uint64_t& value) {
        std::size_t digits = 0;
        for (value = 0; at_ < text_.size() && digits < 16; ++at_, ++digits) {
            const int digit = Digit(text_[at_]);
            if (digit < 0) break;
            value = value << 4 | static_cast<unsigned>(digit);
        }
        return digits > 0;
    }
    // Up to (not including) the first of the stop characters.
    std::string Until(const char* stops) {
        const std::size_t from = at_;
        at_ = std::min(text_.find_first_of(stops, at_), text_.size());
        return text_.substr(from, at_ - from);
    }
    // A quoted text as the trace escapes it: \\ \" \n \r \t \xNN.
    bool Quoted(std::string& out) {
        if (!Take("\"")) return false;
        for (out.clear(); at_ < text_.size(); ++at_) {
            char c = text_[at_];
            if (c == '"') return ++at_, Take("..."), true;
            if (c == '\\' && at_ + 1 < text_.size()) {
                c = text_[++at_];
                if (c == 'x' && at_ + 2 < text_.size() && Digit(text_[at_ + 1]) >= 0 && Digit(text_[at_ + 2]) >= 0) {
                    c = static_cast<char>(Digit(text_[at_ + 1]) * 16 + Digit(text_[at_ + 2]));
                    at_ += 2;
                } else {
                    c = c == 'n' ? '\n' : c == 'r' ? '\r' : c == 't' ? '\t' : c;
                }
            }
            out += c;
        }
        return false;
    }
    bool AtEnd() const { return at_ >= text_.size(); }

private:
    static int Digit(char c) {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    }

    const std::string& text_;
    std::size_t at_ = 0;
};

// "pid:tid:" with +pid, "tid:" without.
bool Thread(Cursor& c, Line& line) {
    std::uint64_t first = 0, second = 0;
    if (!c.Hex(first) || !c.Take(":")) return false;
    if (c.Ahead("Call ") || c.Ahead("Ret ")) {
        line.tid = static_cast<std::uint32_t>(first);
        return true;
    }
    if (!c.Hex(second) || !c.Take(":")) return false;
    line.pid = static_cast<std::uint32_t>(first);
    line.tid = static_cast<std::uint32_t>(second);
    return true;
}

// "(hwnd=H,msg=NAME,wp=W,lp=L)"
bool WindowProcedure(Cursor& c, Line& line) {
    Argument wp, lp;
    if (!c.Hex(line.procedure) || !c.Take(" (hwnd=") || !c.Hex(line.hwnd) || !c.Take(",msg=")) return false;
    line.message = c.Until(",)");
    if (!c.Take(",wp=") || !c.Hex(wp.value) || !c.Take(",lp=") || !c.Hex(lp.value) || !c.Take(")")) return false;
    line.arguments = {wp, lp};
    return true;
}

// "dll.Function(A,B \"text\",...)"; an argument the trace shows otherwise
// (a floating-point number) is kept as 0.
bool Function(Cursor& c, Line& line) {
    line.function = c.Until("( ");
    if (line.function.find('.') == std::string::npos || !c.Take("(")) return false;
    while (!c.Take(")")) {
        Argument argument;
        c.Hex(argument.value);
        if (c.Take(" L") || c.Take(" ")) argument.quoted = c.Quoted(argument.text);
        c.Until(",)");
        line.arguments.push_back(argument);
        if (c.AtEnd()) return false;
        c.Take(",");
    }
    return true;
}

}  // namespace

bool Read(const std::string& text, Line& line) {
    line = Line{};
    line.text = text;
    Cursor c(text);
    if (!Thread(c, line)) return false;
    line.call = c.Take("Call ");
    if (!line.call && !c.Take("Ret ")) return false;
    while (c.Take(" ")) {
    }
    if (!(c.Take("window proc ") ? WindowProcedure(c, line) : Function(c, line))) return false;
    if (!line.call) line.hasResult = c.Take(" retval=") && c.Hex(line.result);
    line.hasCaller = c.Take(" ret=") && c.Hex(line.caller);
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
