#include "tests/SimFixture.h"

namespace quellar {
namespace {

using C = ControlId;

std::string Key(const char* name) { return std::string(kStore) + name; }

TEST_F(FormTest, SaveStoresOneOrZeroUnderEachKey) {
    sim.SetValue(C::chkForce, 1);
    sim.SetValue(C::chkMinimise, 1);
    sim.ClearCalls();
    form.cmdSave_Click();
    EXPECT_EQ(sim.Calls(), (Calls{
                               "SaveSetting(\"Quellar\", \"Startup\", \"Force\", \"1\")",
                               "SaveSetting(\"Quellar\", \"Startup\", \"Disable\", \"0\")",
                               "SaveSetting(\"Quellar\", \"Startup\", \"Minimise\", \"1\")",
                           }));
}

TEST_F(FormTest, ClearUnticksAllAndStoresZerosWithoutRemovingKeys) {
    for (C box : {C::chkForce, C::chkDisable, C::chkMinimise}) sim.SetValue(box, 1);
    sim.SetStored(Key("Other"), "kept");
    sim.ClearCalls();
    form.cmdClear_Click();
    EXPECT_EQ(sim.Calls(), (Calls{
                               "SetValue(chkForce, 0)",
                               "SetValue(chkDisable, 0)",
                               "SetValue(chkMinimise, 0)",
                               "SaveSetting(\"Quellar\", \"Startup\", \"Force\", \"0\")",
                               "SaveSetting(\"Quellar\", \"Startup\", \"Disable\", \"0\")",
                               "SaveSetting(\"Quellar\", \"Startup\", \"Minimise\", \"0\")",
                           }));
    EXPECT_EQ(sim.Stored(Key("Force")), "0");
    EXPECT_EQ(sim.Stored(Key("Disable")), "0");
    EXPECT_EQ(sim.Stored(Key("Minimise")), "0");
    EXPECT_EQ(sim.Stored(Key("Other")), "kept");
}

TEST_F(FormTest, AFailedSaveDoesNotStopTheOthers) {
    sim.SetValue(C::chkMinimise, 1);
    sim.Fail("SaveSetting Force");
    form.cmdSave_Click();
    EXPECT_FALSE(sim.Stored(Key("Force")).has_value());
    EXPECT_EQ(sim.Stored(Key("Disable")), "0");
    EXPECT_EQ(sim.Stored(Key("Minimise")), "1");
    EXPECT_EQ(sim.Value(C::chkMinimise), 1) << "the box keeps its state";
}

TEST_F(FormTest, LoadChecksOnlyTheExactTextOne) {
    struct Case {
        const char* stored;  // nullptr: absent
        int value;
    };
    const Case cases[] = {{"1", 1}, {"0", 0}, {nullptr, 0}, {" 1", 0}, {"1 ", 0}, {"True", 0}, {"2", 0}, {"", 0}};
    for (const Case& c : cases) {
        SimPlatform other;
        frmQuellar otherForm(other);
        other.SetValue(C::chkForce, 1 - c.value);
        if (c.stored) other.SetStored(Key("Force"), c.stored);
        std::string text = "unchanged";
        EXPECT_TRUE(otherForm.LoadOption(text, "Force", C::chkForce));
        EXPECT_EQ(other.Value(C::chkForce), c.value) << (c.stored ? c.stored : "(absent)");
        EXPECT_EQ(text, c.stored ? c.stored : "");
    }
}

TEST_F(FormTest, SaveAfterLoadingAStrangeValueReplacesItWithZero) {
    sim.SetStored(Key("Disable"), "yes");
    Load();
    form.cmdSave_Click();
    EXPECT_EQ(sim.Stored(Key("Disable")), "0");
}

}  // namespace
}  // namespace quellar
