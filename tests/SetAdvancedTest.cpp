#include "tests/SimFixture.h"

namespace quellar {
namespace {

using C = ControlId;

TEST_F(FormTest, SetAdvancedSwitchesTheSevenInputsInOrder) {
    form.SetAdvanced(false);
    EXPECT_EQ(sim.Calls(), (Calls{
                               "SetEnabled(txtCounter, false)",
                               "SetEnabled(cmdStart, false)",
                               "SetEnabled(lstAdvanced, false)",
                               "SetEnabled(lblInfoAdvanced, false)",
                               "SetEnabled(lblCombo, false)",
                               "SetEnabled(lblCounter, false)",
                               "SetEnabled(lblWarning, false)",
                           }));
    for (C c :
         {C::txtCounter, C::cmdStart, C::lstAdvanced, C::lblInfoAdvanced, C::lblCombo, C::lblCounter, C::lblWarning}) {
        EXPECT_FALSE(sim.Enabled(c)) << Row(c).name;
    }
}

TEST_F(FormTest, SetAdvancedLeavesAbortTheTimerAndTheOtherTabsAlone) {
    form.SetAdvanced(false);
    form.SetAdvanced(true);
    EXPECT_FALSE(sim.Enabled(C::cmdAbort)) << "a disabled Abort stays disabled";
    EXPECT_TRUE(sim.Enabled(C::lstAdvanced));
    EXPECT_TRUE(sim.Enabled(C::txtCounter));
    EXPECT_EQ(sim.Interval(C::timCounter), 0);
    for (const std::string& call : sim.Calls()) {
        EXPECT_EQ(call.find("cmdAbort"), std::string::npos) << call;
        EXPECT_EQ(call.find("timCounter"), std::string::npos) << call;
        EXPECT_EQ(call.find("cmdLogOff"), std::string::npos) << call;
    }
    EXPECT_EQ(sim.Calls().size(), 14u);
}

}  // namespace
}  // namespace quellar
