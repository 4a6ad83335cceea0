// A form on the simulated Windows.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/frmQuellar.h"
#include "platform/sim/SimPlatform.h"

namespace quellar {

class FormTest : public ::testing::Test {
protected:
    FormTest() { sim.Attach(form); }

    SimPlatform sim;
    frmQuellar form{sim};
};

using Calls = std::vector<std::string>;

}  // namespace quellar
