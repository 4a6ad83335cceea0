// What the tests expect the program to be called, written here once and never
// taken from the program, so that a wrong version fails them.
#pragma once

namespace e2e {

constexpr const char* kExpectedTitle = "Quellar 2000 v2.40";

}  // namespace e2e
