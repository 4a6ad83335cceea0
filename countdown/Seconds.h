// Reading the seconds box as a number.
#pragma once

#include <cstdint>
#include <string>

namespace quellar {

// The leading number of the text, blanks ignored, rounded to the nearest
// whole number with halves going to the even neighbour. A text that does not
// begin with a number reads as 0; values beyond 32 bits stop at the limits.
std::int32_t ReadSeconds(const std::string& text);

// What Start writes into the box for a count: "20" below 19 seconds, "86400"
// above a day, and nullptr for a count it leaves as typed.
const char* CorrectedSeconds(std::int32_t seconds);

}  // namespace quellar
