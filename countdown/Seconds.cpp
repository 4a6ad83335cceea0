#include "countdown/Seconds.h"

#include <cstdint>
#include <limits>

namespace quellar {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsExponent(char c) { return c == 'e' || c == 'E' || c == 'd' || c == 'D'; }

// The leading number in decimal parts, worked out digit by digit, so that
// the rounding is exact and no text is too long or too large for it.
struct Decimal {
    bool negative = false;
    std::string digits;  // without the decimal point
    long point = 0;      // the point stands before digits[point]
};

constexpr long kExponentLimit = 100000;  // far beyond any 32-bit count

bool ReadLeadingNumber(const std::string& text, Decimal& number) {
    std::string compact;
    for (char c : text) {
        if (!IsBlank(c)) compact += c;
    }
    std::size_t i = 0;
    if (i < compact.size() && (compact[i] == '+' || compact[i] == '-')) number.negative = compact[i++] == '-';
    for (; i < compact.size() && IsDigit(compact[i]); ++i) number.digits += compact[i];
    number.point = static_cast<long>(number.digits.size());
    if (i < compact.size() && compact[i] == '.') {
        for (++i; i < compact.size() && IsDigit(compact[i]); ++i) number.digits += compact[i];
    }
    if (number.digits.empty()) return false;
    // An exponent counts only when it has digits.
    if (i < compact.size() && IsExponent(compact[i])) {
        std::size_t j = i + 1;
        bool negativeExponent = false;
        if (j < compact.size() && (compact[j] == '+' || compact[j] == '-')) negativeExponent = compact[j++] == '-';
        long exponent = 0;
        bool any = false;
        for (; j < compact.size() && IsDigit(compact[j]); ++j) {
            any = true;
            if (exponent < kExponentLimit) exponent = exponent * 10 + (compact[j] - '0');
        }
        if (any) number.point += negativeExponent ? -exponent : exponent;
    }
    return true;
}

}  // namespace

std::int32_t ReadSeconds(const std::string& text) {
    Decimal number;
    if (!ReadLeadingNumber(text, number)) return 0;
    std::size_t first = number.digits.find_first_not_of('0');
    if (first == std::string::npos) return 0;
    const std::string digits = number.digits.substr(first);
    const long point = number.point - static_cast<long>(first);

    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
    if (point > 10) return number.negative ? static_cast<std::int32_t>(kMin) : static_cast<std::int32_t>(kMax);

    std::int64_t whole = 0;
    for (long k = 0; k < point; ++k) {
        whole = whole * 10 + (k < static_cast<long>(digits.size()) ? digits[static_cast<std::size_t>(k)] - '0' : 0);
    }
    // The fraction against one half: its first digit decides, unless it is a
    // 5 with nothing after it, which goes to the even neighbour.
    if (point >= 0 && point < static_cast<long>(digits.size())) {
        const std::size_t at = static_cast<std::size_t>(point);
        const char firstFraction = digits[at];
        const bool moreAfterFive = digits.find_first_not_of('0', at + 1) != std::string::npos;
        if (firstFraction > '5' || (firstFraction == '5' && (moreAfterFive || whole % 2 == 1))) ++whole;
    }
    const std::int64_t signedWhole = number.negative ? -whole : whole;
    if (signedWhole > kMax) return static_cast<std::int32_t>(kMax);
    if (signedWhole < kMin) return static_cast<std::int32_t>(kMin);
    return static_cast<std::int32_t>(signedWhole);
}

const char* CorrectedSeconds(std::int32_t seconds) {
    if (seconds < 19) return "20";
    if (seconds > 86400) return "86400";
    return nullptr;
}

}  // namespace quellar
