// A form on the simulated Windows.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/frmQuellar.h"
#include "platform/sim/SimPlatform.h"

namespace quellar {

using Calls = std::vector<std::string>;

class FormTest : public ::testing::Test {
protected:
    FormTest() { sim.Attach(form); }

    // Runs start-up and forgets its calls, so a test sees only its own.
    void Load() {
        form.Form_Load();
        sim.ClearCalls();
    }

    // Runs a handler that is expected to end the program.
    template <typename Handler>
    void ExpectEnds(Handler handler) {
        EXPECT_THROW(handler(), ProgramEnded);
    }

    SimPlatform sim;
    frmQuellar form{sim};
};

// A form of its own, for tests that go through a table of cases.
struct FreshForm {
    FreshForm() { sim.Attach(form); }
    SimPlatform sim;
    frmQuellar form{sim};
};

constexpr const char* kStore = "Quellar\\Startup\\";

}  // namespace quellar
