// The driver: end-to-end tests that start Quellar.exe and use it from outside.
#include <gtest/gtest.h>

#include <cstdio>

#include "e2e/Options.h"

int main(int argc, char** argv) {
    e2e::ParseOptions(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    const auto& options = e2e::GetOptions();
    if (options.programPath.empty()) {
        std::fprintf(stderr, "quellar_e2e: give the program with --quellar-exe=PATH or QUELLAR_EXE\n");
        return 2;
    }
    std::printf("quellar_e2e: testing %s\n", options.programPath.c_str());
    std::fflush(stdout);
    return RUN_ALL_TESTS();
}
