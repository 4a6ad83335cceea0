// Where the program under test is and where pictures go, from the command
// line (--quellar-exe=, --shots=) or the environment (QUELLAR_EXE, E2E_SHOTS).
#pragma once

#include <string>

namespace e2e {

struct Options {
    std::string programPath;
    std::string shotsFolder;  // empty: pictures are not saved
};

// Takes the driver's own flags out of argv; GoogleTest reads the rest.
void ParseOptions(int& argc, char** argv);
const Options& GetOptions();

}  // namespace e2e
