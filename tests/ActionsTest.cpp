#include <functional>

#include "tests/SimFixture.h"

namespace quellar {
namespace {

using C = ControlId;
constexpr int kYes = 6;
constexpr int kNo = 7;

struct Action {
    const char* name;
    std::function<void(frmQuellar&)> click;
    const char* verb;
    std::uint32_t value;
    bool needsPrivilege;
};

const Action kActions[] = {
    {"log off", [](frmQuellar& f) { f.cmdLogOff_Click(); }, "log off", 0, false},
    {"shut down", [](frmQuellar& f) { f.cmdShutdown_Click(); }, "shutdown", 1, true},
    {"reboot", [](frmQuellar& f) { f.cmdReboot_Click(); }, "reboot", 2, true},
    {"power down", [](frmQuellar& f) { f.cmdPowerOff_Click(); }, "power down", 8, true},
};

const Calls kSaves = {
    "SaveSetting(\"Quellar\", \"Startup\", \"Force\", \"0\")",
    "SaveSetting(\"Quellar\", \"Startup\", \"Disable\", \"0\")",
    "SaveSetting(\"Quellar\", \"Startup\", \"Minimise\", \"0\")",
};

Calls Question(const char* verb) {
    return {std::string("MsgBox(\"Are you sure you want to ") + verb + "?\", 4, \"Quellar 2000\")"};
}

Calls Join(std::initializer_list<Calls> parts) {
    Calls all;
    for (const Calls& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

TEST_F(FormTest, EachActionAsksThenActsThenRemovesTheIconAndEnds) {
    for (const Action& action : kActions) {
        FreshForm fresh;
        SimPlatform& other = fresh.sim;
        frmQuellar& otherForm = fresh.form;
        otherForm.Form_Load();
        other.ClearCalls();
        other.AnswerMsgBox(kYes);
        EXPECT_THROW(action.click(otherForm), ProgramEnded) << action.name;
        const Calls privilege = action.needsPrivilege ? Calls{"SetLastError(0)",
                                                              "GetCurrentProcess()",
                                                              "OpenProcessToken(0xFFFFFFFFFFFFFFFF, 0x28)",
                                                              "LookupPrivilegeValueA(\"\", \"SeShutdownPrivilege\")",
                                                              "AdjustTokenPrivileges(0x44, false, {1, 0x13:0, 2}, 16)",
                                                              "CloseHandle(0x44)"}
                                                      : Calls{};
        const Calls ending = {"ExitWindowsEx(" + std::to_string(action.value) + ", 0xFFFFFFFF)",
                              "Shell_NotifyIconA(NIM_DELETE, 0x10010)", "End()"};
        EXPECT_EQ(other.Calls(), Join({privilege, kSaves, Question(action.verb), ending})) << action.name;
    }
}

TEST_F(FormTest, ForceAddsFourToEveryAction) {
    for (const Action& action : kActions) {
        FreshForm fresh;
        SimPlatform& other = fresh.sim;
        frmQuellar& otherForm = fresh.form;
        otherForm.Form_Load();
        other.SetValue(C::chkForce, 1);
        other.SetValue(C::chkDisable, 1);
        other.ClearCalls();
        EXPECT_THROW(action.click(otherForm), ProgramEnded);
        EXPECT_EQ(other.CallsStartingWith("ExitWindowsEx"),
                  Calls{"ExitWindowsEx(" + std::to_string(action.value | 4) + ", 0xFFFFFFFF)"})
            << action.name;
        EXPECT_EQ(other.CallsStartingWith("MsgBox"), Calls{}) << "Disable on: no question";
    }
}

TEST_F(FormTest, NoLeavesEverythingButTheSavedOptions) {
    Load();
    sim.SetValue(C::chkForce, 1);
    form.StartCountdown();
    sim.ClearCalls();
    sim.AnswerMsgBox(kNo);
    form.cmdReboot_Click();
    EXPECT_EQ(sim.CallsStartingWith("ExitWindowsEx"), Calls{});
    EXPECT_EQ(sim.CallsStartingWith("Shell_NotifyIconA"), Calls{});
    EXPECT_EQ(sim.CallsStartingWith("AdjustTokenPrivileges").size(), 1u) << "the privilege was enabled all the same";
    EXPECT_EQ(sim.Stored(std::string(kStore) + "Force"), "1");
    EXPECT_EQ(sim.Interval(C::timCounter), 1000) << "a running countdown goes on";
    EXPECT_TRUE(sim.Visible());
    EXPECT_TRUE(sim.Loaded());
}

// The question is open while the tray menu or a tick may change the options.
class ChangesOptionsWhileAsking : public SimPlatform {
public:
    int MsgBox(const std::string& prompt, int style, const std::string& title) override {
        const int answer = SimPlatform::MsgBox(prompt, style, title);
        SetValue(ControlId::chkForce, 1);
        return answer;
    }
};

TEST(ActionsForce, IsReadAfterTheQuestionIsAnswered) {
    ChangesOptionsWhileAsking sim;
    frmQuellar form(sim);
    sim.Attach(form);
    sim.AnswerMsgBox(kYes);
    EXPECT_THROW(form.cmdShutdown_Click(), ProgramEnded);
    EXPECT_EQ(sim.CallsStartingWith("ExitWindowsEx"), Calls{"ExitWindowsEx(5, 0xFFFFFFFF)"});
    EXPECT_EQ(sim.Stored(std::string(kStore) + "Force"), "0") << "saved before the question";
}

TEST_F(FormTest, ActionGoesAheadAndEndsEvenWhenWindowsRefuses) {
    Load();
    sim.Fail("ExitWindowsEx");
    sim.SetValue(C::chkDisable, 1);
    ExpectEnds([&] { form.cmdLogOff_Click(); });
    EXPECT_EQ(sim.Calls().back(), "End()");
    EXPECT_EQ(sim.CallsStartingWith("SetLastError"), Calls{}) << "log off never touches the token";
}

TEST_F(FormTest, ActionFromTheTrayRemovesTheShownIcon) {
    Load();
    sim.SetState(WindowState::Minimised);
    ASSERT_TRUE(sim.TrayIconShown());
    sim.SetValue(C::chkDisable, 1);
    ExpectEnds([&] { form.mPopPowerOff_Click(); });
    EXPECT_FALSE(sim.TrayIconShown());
    const Calls& calls = sim.Calls();
    ASSERT_GE(calls.size(), 3u);
    EXPECT_EQ(Calls(calls.end() - 3, calls.end()),
              (Calls{"ExitWindowsEx(8, 0xFFFFFFFF)", "Shell_NotifyIconA(NIM_DELETE, 0x10010)", "End()"}));
    EXPECT_EQ(sim.CallsStartingWith("Unload"), Calls{}) << "no unload handling after an action";
}

TEST_F(FormTest, AVerbThatIsNoActionAsksWindowsNothing) {
    Load();
    sim.SetValue(C::chkDisable, 1);
    form.ConfirmAction("hibernate");
    EXPECT_EQ(sim.CallsStartingWith("ExitWindowsEx"), Calls{});
    EXPECT_EQ(sim.CallsStartingWith("SaveSetting").size(), 3u);
}

}  // namespace
}  // namespace quellar
