#include "countdown/Seconds.h"

#include <cctype>
#include <cfenv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace quellar {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// The text without blanks, as far as it reads as a number: a sign, digits, a
// decimal point with digits, and an exponent that has digits.
std::string LeadingNumber(const std::string& text) {
    std::string compact;
    for (char c : text) {
        if (!IsBlank(c)) compact += c;
    }
    std::size_t i = 0;
    auto digits = [&] {
        const std::size_t start = i;
        while (i < compact.size() && IsDigit(compact[i])) ++i;
        return i - start;
    };
    if (i < compact.size() && (compact[i] == '+' || compact[i] == '-')) ++i;
    std::size_t mantissa = digits();
    if (i < compact.size() && compact[i] == '.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0) return std::string();
    std::size_t end = i;
    if (i < compact.size() && (compact[i] == 'e' || compact[i] == 'E' || compact[i] == 'd' || compact[i] == 'D')) {
        ++i;
        if (i < compact.size() && (compact[i] == '+' || compact[i] == '-')) ++i;
        if (digits() > 0) end = i;
    }
    std::string number = compact.substr(0, end);
    for (char& c : number) {
        if (c == 'd' || c == 'D') c = 'e';
    }
    return number;
}

}  // namespace

std::int32_t ReadSeconds(const std::string& text) {
    const std::string number = LeadingNumber(text);
    if (number.empty()) return 0;
    const double value = std::strtod(number.c_str(), nullptr);  // overflow gives infinity
    constexpr double kMax = std::numeric_limits<std::int32_t>::max();
    constexpr double kMin = std::numeric_limits<std::int32_t>::min();
    if (!(value < kMax)) return std::numeric_limits<std::int32_t>::max();
    if (!(value > kMin)) return std::numeric_limits<std::int32_t>::min();
    const int savedMode = std::fegetround();
    std::fesetround(FE_TONEAREST);  // halves to even
    const double rounded = std::nearbyint(value);
    std::fesetround(savedMode);
    return static_cast<std::int32_t>(rounded);
}

}  // namespace quellar
