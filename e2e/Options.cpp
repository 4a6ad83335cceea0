#include "e2e/Options.h"

#include <cstdlib>
#include <cstring>

namespace e2e {
namespace {

Options& MutableOptions() {
    static Options options;
    return options;
}

std::string FromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

bool TakeFlag(const char* argument, const char* prefix, std::string& into) {
    const std::size_t length = std::strlen(prefix);
    if (std::strncmp(argument, prefix, length) != 0) return false;
    into = argument + length;
    return true;
}

}  // namespace

void ParseOptions(int& argc, char** argv) {
    Options& options = MutableOptions();
    options.programPath = FromEnvironment("QUELLAR_EXE");
    options.shotsFolder = FromEnvironment("E2E_SHOTS");
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        if (TakeFlag(argv[i], "--quellar-exe=", options.programPath) ||
            TakeFlag(argv[i], "--shots=", options.shotsFolder))
            continue;
        argv[kept++] = argv[i];
    }
    argc = kept;
    argv[argc] = nullptr;
}

const Options& GetOptions() { return MutableOptions(); }

}  // namespace e2e
