#include "tests/SimFixture.h"

namespace quellar {
namespace {

using C = ControlId;

class CountdownTest : public FormTest {
protected:
    void Choose(const std::string& item) {
        sim.SetText(C::lstAdvanced, item);
        form.lstAdvanced_Click();
    }
    void Start(const std::string& seconds) {
        sim.SetText(C::txtCounter, seconds);
        sim.ClearCalls();
        form.cmdStart_Click();
    }
    // Ticks until the box reads zero; the count of ticks it took.
    int TickToZero(int limit = 100000) {
        int ticks = 0;
        while (sim.Text(C::txtCounter) != "0" && ticks < limit) {
            form.timCounter_Timer();
            ++ticks;
        }
        return ticks;
    }
};

TEST_F(CountdownTest, ChoosingAnActionOrThePlaceholderSwitchesTheInputs) {
    Load();
    Choose("(Make selection)");
    EXPECT_EQ(sim.Calls(), (Calls{
                               "SetText(lstAdvanced, \"(Make selection)\")",
                               "SetEnabled(txtCounter, false)",
                               "SetEnabled(cmdStart, false)",
                               "SetEnabled(lstAdvanced, false)",
                               "SetEnabled(lblInfoAdvanced, false)",
                               "SetEnabled(lblCombo, false)",
                               "SetEnabled(lblCounter, false)",
                               "SetEnabled(lblWarning, false)",
                               "SetEnabled(lstAdvanced, true)",
                           }));
    EXPECT_TRUE(sim.Enabled(C::lstAdvanced));
    Choose("Shutdown");
    EXPECT_TRUE(sim.Enabled(C::txtCounter));
    EXPECT_TRUE(sim.Enabled(C::cmdStart));
    EXPECT_TRUE(sim.Enabled(C::lblWarning));
    EXPECT_FALSE(sim.Enabled(C::cmdAbort)) << "Abort is not the list's to change";
}

TEST_F(CountdownTest, StartLocksTheInputsAndArmsTheTimer) {
    Load();
    Choose("Reboot");
    Start("600");
    EXPECT_EQ(sim.Calls(), (Calls{
                               "SetInterval(timCounter, 1000)",
                               "SetEnabled(cmdStart, false)",
                               "SetEnabled(cmdAbort, true)",
                               "SetEnabled(txtCounter, false)",
                               "SetEnabled(lstAdvanced, false)",
                           }));
    EXPECT_EQ(sim.Text(C::txtCounter), "600") << "a value in range stays as typed";
}

TEST_F(CountdownTest, StartBringsTheSecondsIntoRange) {
    struct Case {
        const char* typed;
        const char* box;
    };
    const Case cases[] = {
        {"5", "20"},        {"18", "20"},       {"19", "19"},       {"20", "20"},     {"21", "21"},
        {"86400", "86400"}, {"86401", "86400"}, {"99999", "86400"}, {"", "20"},       {"abc", "20"},
        {"-7", "20"},       {"18.5", "20"},     {"19.5", "19.5"},   {" 600", " 600"}, {"9999999999", "86400"},
    };
    for (const Case& c : cases) {
        FreshForm fresh;
        SimPlatform& other = fresh.sim;
        frmQuellar& otherForm = fresh.form;
        otherForm.Form_Load();
        other.SetText(C::lstAdvanced, "Log Off");
        other.SetText(C::txtCounter, c.typed);
        otherForm.cmdStart_Click();
        EXPECT_EQ(other.Text(C::txtCounter), c.box) << '"' << c.typed << '"';
        EXPECT_EQ(other.Interval(C::timCounter), 1000) << '"' << c.typed << '"';
    }
}

TEST_F(CountdownTest, StartWithThePlaceholderDoesNothing) {
    Load();
    Choose("(Make selection)");
    Start("5");
    EXPECT_EQ(sim.Calls(), Calls{});
    EXPECT_EQ(sim.Text(C::txtCounter), "5");
}

TEST_F(CountdownTest, StartWithTheStartupTextIsNotThePlaceholder) {
    Load();
    Start("30");  // the list still reads "(Make Selection)", with a capital S
    EXPECT_EQ(sim.Interval(C::timCounter), 1000);
}

TEST_F(CountdownTest, AbortRestoresTheInputsAndWritesTwentyOne) {
    Load();
    Choose("Shutdown");
    Start("600");
    form.timCounter_Timer();
    sim.ClearCalls();
    form.cmdAbort_Click();
    EXPECT_EQ(sim.Calls(), (Calls{
                               "SetInterval(timCounter, 0)",
                               "SetEnabled(cmdStart, true)",
                               "SetEnabled(cmdAbort, false)",
                               "SetEnabled(txtCounter, true)",
                               "SetEnabled(lstAdvanced, true)",
                               "SetText(txtCounter, \"21\")",
                           }));
}

TEST_F(CountdownTest, EachTickLowersTheBoxByOne) {
    Load();
    Choose("Power Down");
    Start(" 19.5 ");
    sim.ClearCalls();
    form.timCounter_Timer();
    EXPECT_EQ(sim.Calls(), Calls{"SetText(txtCounter, \"19\")"});
    form.timCounter_Timer();
    EXPECT_EQ(sim.Text(C::txtCounter), "18");
}

TEST_F(CountdownTest, ZeroRunsTheChosenActionWithoutAQuestion) {
    struct Case {
        const char* item;
        const char* exitCall;
    };
    const Case cases[] = {{"Log Off", "ExitWindowsEx(0, 0xFFFFFFFF)"},
                          {"Shutdown", "ExitWindowsEx(1, 0xFFFFFFFF)"},
                          {"Reboot", "ExitWindowsEx(2, 0xFFFFFFFF)"},
                          {"Power Down", "ExitWindowsEx(8, 0xFFFFFFFF)"}};
    for (const Case& c : cases) {
        FreshForm fresh;
        SimPlatform& other = fresh.sim;
        frmQuellar& form = fresh.form;
        form.Form_Load();
        other.SetText(C::lstAdvanced, c.item);
        other.SetText(C::txtCounter, "19");
        form.cmdStart_Click();
        for (int tick = 1; tick < 19; ++tick) form.timCounter_Timer();
        EXPECT_EQ(other.Text(C::txtCounter), "1") << c.item;
        other.ClearCalls();
        EXPECT_THROW(form.timCounter_Timer(), ProgramEnded) << c.item;
        const Calls& calls = other.Calls();
        ASSERT_GE(calls.size(), 4u);
        EXPECT_EQ(Calls(calls.begin(), calls.begin() + 4),
                  (Calls{"SetText(txtCounter, \"0\")", "SetInterval(timCounter, 0)", "SetText(txtCounter, \"0\")",
                         "SetValue(chkDisable, 1)"}))
            << c.item;
        EXPECT_EQ(other.CallsStartingWith("ExitWindowsEx"), Calls{c.exitCall}) << c.item;
        EXPECT_EQ(other.CallsStartingWith("MsgBox"), Calls{}) << c.item;
        EXPECT_EQ(other.Stored(std::string(kStore) + "Disable"), "1") << "saved as on: " << c.item;
    }
}

TEST_F(CountdownTest, ForceAppliesWithItsValueAtZero) {
    Load();
    Choose("Shutdown");
    Start("20");
    for (int tick = 1; tick < 20; ++tick) form.timCounter_Timer();
    sim.SetValue(C::chkForce, 1);  // ticked from the tray menu while counting
    ExpectEnds([&] { form.timCounter_Timer(); });
    EXPECT_EQ(sim.CallsStartingWith("ExitWindowsEx"), Calls{"ExitWindowsEx(5, 0xFFFFFFFF)"});
}

TEST_F(CountdownTest, TheLongestCountRunsInFull) {
    Load();
    Choose("Shutdown");
    Start("86400");
    sim.Fail("ExitWindowsEx");
    EXPECT_THROW(TickToZero(), ProgramEnded);
    EXPECT_EQ(sim.CallsStartingWith("SetText(txtCounter, \"86399\")").size(), 1u);
    EXPECT_EQ(sim.CallsStartingWith("SetText(txtCounter, \"1\")").size(), 1u);
}

TEST_F(CountdownTest, ATextThatIsNoActionStopsAtZero) {
    Load();
    Choose("Log Off");
    sim.SetText(C::lstAdvanced, "Log off");  // typed over, in another case
    Start("20");
    EXPECT_EQ(TickToZero(), 20);
    EXPECT_EQ(sim.Text(C::txtCounter), "0");
    EXPECT_EQ(sim.Interval(C::timCounter), 0);
    EXPECT_FALSE(sim.Enabled(C::cmdStart));
    EXPECT_TRUE(sim.Enabled(C::cmdAbort));
    EXPECT_FALSE(sim.Enabled(C::txtCounter));
    EXPECT_EQ(sim.Value(C::chkDisable), 1);
    EXPECT_EQ(sim.CallsStartingWith("ExitWindowsEx"), Calls{});
    sim.ClearCalls();
    form.timCounter_Timer();
    EXPECT_EQ(sim.Calls(), Calls{}) << "a tick at zero does nothing";
    form.cmdAbort_Click();
    EXPECT_EQ(sim.Text(C::txtCounter), "21");
    EXPECT_TRUE(sim.Enabled(C::cmdStart));
}

TEST_F(CountdownTest, ATickReadsWhateverTheBoxHolds) {
    Load();
    struct Case {
        const char* box;
        const char* after;  // nullptr: the tick does nothing
    };
    const Case cases[] = {
        {"123456789", "123456788"}, {"-3", nullptr}, {"abc", nullptr}, {"99999999999", "2147483646"}, {"2.5", "1"}};
    for (const Case& c : cases) {
        sim.SetText(C::txtCounter, c.box);
        sim.ClearCalls();
        form.timCounter_Timer();
        if (c.after) {
            EXPECT_EQ(sim.Text(C::txtCounter), c.after) << c.box;
        } else {
            EXPECT_EQ(sim.Calls(), Calls{}) << c.box;
        }
    }
}

}  // namespace
}  // namespace quellar
