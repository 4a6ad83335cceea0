#include "tests/SimFixture.h"

namespace quellar {
namespace {

using C = ControlId;
constexpr int kYes = 6;
constexpr int kNo = 7;
const char* const kQuestion =
    "MsgBox(\"Click Yes to quit Quellar 2000, or No to minimise it.\", 4, \"Exit Quellar 2000\")";

const Calls kSaves(int force, int disable, int minimise) {
    return {"SaveSetting(\"Quellar\", \"Startup\", \"Force\", \"" + std::to_string(force) + "\")",
            "SaveSetting(\"Quellar\", \"Startup\", \"Disable\", \"" + std::to_string(disable) + "\")",
            "SaveSetting(\"Quellar\", \"Startup\", \"Minimise\", \"" + std::to_string(minimise) + "\")"};
}

TEST_F(FormTest, ClosingInTheTraySavesMinimiseRemovesTheIconAndAsksNothing) {
    Load();
    sim.SetState(WindowState::Minimised);
    sim.ClearCalls();
    sim.Unload();
    Calls expected = {"Unload()", "SetValue(chkMinimise, 1)"};
    for (const std::string& save : kSaves(0, 0, 1)) expected.push_back(save);
    expected.push_back("Shell_NotifyIconA(NIM_DELETE, 0x10010)");
    expected.push_back("(window unloaded)");
    EXPECT_EQ(sim.Calls(), expected);
    EXPECT_FALSE(sim.TrayIconShown()) << "no icon outlives the window";
}

TEST_F(FormTest, ClosingWithDisableOnEndsWithoutAQuestion) {
    Load();
    sim.SetValue(C::chkDisable, 1);
    sim.ClearCalls();
    sim.Unload();
    EXPECT_EQ(sim.CallsStartingWith("MsgBox"), Calls{});
    EXPECT_FALSE(sim.Loaded());
    EXPECT_EQ(sim.Stored(std::string(kStore) + "Disable"), "1");
}

TEST_F(FormTest, ClosingAnsweredYesRemovesTheIconAndEnds) {
    Load();
    sim.AnswerMsgBox(kYes);
    sim.ClearCalls();
    sim.Unload();
    Calls expected = {"Unload()"};
    for (const std::string& save : kSaves(0, 0, 0)) expected.push_back(save);
    expected.push_back(kQuestion);
    expected.push_back("Shell_NotifyIconA(NIM_DELETE, 0x10010)");
    expected.push_back("(window unloaded)");
    EXPECT_EQ(sim.Calls(), expected);
}

TEST_F(FormTest, ClosingAnsweredNoGoesToTheTrayWithExactlyOneIcon) {
    Load();
    sim.AnswerMsgBox(kNo);
    sim.ClearCalls();
    sim.Unload();
    Calls expected = {"Unload()"};
    for (const std::string& save : kSaves(0, 0, 0)) expected.push_back(save);
    for (const char* call :
         {kQuestion, "SetState(1)", "Hide()", "Shell_NotifyIconA(NIM_ADD, 0x10010)", "SetChecked(mPopForce, false)",
          "SetChecked(mPopDisable, false)", "SetMenuCaption(mPopLogOff, \"Log Off Jsmith\")",
          "Shell_NotifyIconA(NIM_DELETE, 0x10010)", "Shell_NotifyIconA(NIM_ADD, 0x10010)"}) {
        expected.push_back(call);
    }
    EXPECT_EQ(sim.Calls(), expected);
    EXPECT_TRUE(sim.Loaded());
    EXPECT_TRUE(sim.TrayIconShown());
    EXPECT_FALSE(sim.Visible());
    EXPECT_EQ(sim.Stored(std::string(kStore) + "Minimise"), "0") << "saved before the question";
}

TEST_F(FormTest, ExitTicksMinimiseEvenWhenItWasClear) {
    Load();
    sim.SetState(WindowState::Minimised);
    sim.ClearCalls();
    form.mPopExit_Click();
    EXPECT_EQ(sim.Calls().front(), "Shell_NotifyIconA(NIM_DELETE, 0x10010)");
    EXPECT_EQ(sim.Calls().back(), "(window unloaded)");
    EXPECT_EQ(sim.CallsStartingWith("MsgBox"), Calls{});
    EXPECT_FALSE(sim.TrayIconShown());
    EXPECT_EQ(sim.Stored(std::string(kStore) + "Minimise"), "1");
}

TEST_F(FormTest, SessionEndSavesRemovesTheIconAndNeverAsks) {
    Load();
    sim.SetValue(C::chkForce, 1);
    sim.SetState(WindowState::Minimised);
    sim.ClearCalls();
    form.Form_SessionEnd();
    Calls expected = {"SetValue(chkMinimise, 1)"};
    for (const std::string& save : kSaves(1, 0, 1)) expected.push_back(save);
    expected.push_back("Shell_NotifyIconA(NIM_DELETE, 0x10010)");
    EXPECT_EQ(sim.Calls(), expected);
    EXPECT_FALSE(sim.TrayIconShown());
}

TEST_F(FormTest, SessionEndOfAShownWindowAsksNothingEither) {
    Load();
    sim.ClearCalls();
    form.Form_SessionEnd();
    EXPECT_EQ(sim.CallsStartingWith("MsgBox"), Calls{});
    EXPECT_EQ(sim.CallsStartingWith("SaveSetting").size(), 3u);
}

}  // namespace
}  // namespace quellar
