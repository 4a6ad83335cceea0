#include "tests/SimFixture.h"

namespace quellar {
namespace {

using C = ControlId;
using M = MenuId;

class TrayTest : public FormTest {
protected:
    void ToTray() {
        sim.SetState(WindowState::Minimised);
        sim.ClearCalls();
    }
    // What the shell sends: the mouse message in x, in the window's twips.
    void Notify(int message) { form.Form_MouseMove(0, 0, static_cast<float>(message) * sim.TwipsPerPixelX(), 0); }
};

TEST_F(TrayTest, MinimisingHidesTheWindowAndAddsTheIcon) {
    Load();
    sim.SetValue(C::chkDisable, 1);
    sim.ClearCalls();
    sim.SetState(WindowState::Minimised);
    EXPECT_EQ(sim.Calls(), (Calls{
                               "SetState(1)",
                               "Hide()",
                               "Shell_NotifyIconA(NIM_ADD, 0x10010)",
                               "SetChecked(mPopForce, false)",
                               "SetChecked(mPopDisable, true)",
                               "SetMenuCaption(mPopLogOff, \"Log Off Jsmith\")",
                           }));
    EXPECT_FALSE(sim.Visible());
    EXPECT_TRUE(sim.TrayIconShown());
}

TEST_F(TrayTest, DoubleClickRestoresAndRemovesTheIconOnce) {
    Load();
    ToTray();
    Notify(515);
    EXPECT_EQ(sim.Calls(), (Calls{
                               "SetState(0)",
                               "Shell_NotifyIconA(NIM_DELETE, 0x10010)",
                               "SetChecked(mPopForce, false)",
                               "SetChecked(mPopDisable, false)",
                               "SetMenuCaption(mPopLogOff, \"Log Off Jsmith\")",
                               "SetForegroundWindow(0x10010)",
                               "Show()",
                           }));
    EXPECT_TRUE(sim.Visible());
    EXPECT_FALSE(sim.TrayIconShown());
}

TEST_F(TrayTest, RightButtonUpOpensTheMenuAfterTakingTheForeground) {
    Load();
    ToTray();
    Notify(517);
    EXPECT_EQ(sim.Calls(), (Calls{"SetForegroundWindow(0x10010)", "PopupMenu(mPopupSys)"}));
    EXPECT_FALSE(sim.Visible());
}

TEST_F(TrayTest, OtherMouseActivityDoesNothing) {
    Load();
    ToTray();
    for (int message : {512, 513, 514, 516, 518, 519, 520, 521, 0, 1000}) Notify(message);
    form.Form_MouseMove(0, 0, 515.0f * 15.0f + 1.0f, 0);  // not a whole pixel
    EXPECT_EQ(sim.Calls(), Calls{});
}

TEST_F(TrayTest, NotificationsDecodeWithTheDisplaysTwipsPerPixel) {
    sim.SetTwipsPerPixel(12.0f);  // 120 dpi
    Load();
    ToTray();
    Notify(517);
    EXPECT_EQ(sim.CallsStartingWith("PopupMenu").size(), 1u);
    form.Form_MouseMove(0, 0, 517.0f * 15.0f, 0);  // a 96-dpi reading is something else here
    EXPECT_EQ(sim.CallsStartingWith("PopupMenu").size(), 1u);
}

TEST_F(TrayTest, RestoreFromTheMenuSendsASecondRefusedDelete) {
    Load();
    ToTray();
    form.mPopRestore_Click();
    EXPECT_EQ(sim.CallsStartingWith("Shell_NotifyIconA"),
              (Calls{"Shell_NotifyIconA(NIM_DELETE, 0x10010)", "Shell_NotifyIconA(NIM_DELETE, 0x10010)"}));
    const Calls& calls = sim.Calls();
    EXPECT_EQ(calls.front(), "SetState(0)");
    EXPECT_EQ(Calls(calls.end() - 3, calls.end()),
              (Calls{"SetForegroundWindow(0x10010)", "Show()", "Shell_NotifyIconA(NIM_DELETE, 0x10010)"}));
    EXPECT_TRUE(sim.Visible());
    EXPECT_FALSE(sim.TrayIconShown());
}

TEST_F(TrayTest, OptionItemsFlipBoxAndCheckMarkFromBothStates) {
    Load();
    for (auto pair : {std::make_pair(C::chkForce, M::mPopForce), std::make_pair(C::chkDisable, M::mPopDisable)}) {
        for (int start : {0, 1}) {
            sim.SetValue(pair.first, start);
            sim.SetChecked(pair.second, start == 0);  // a stale mark is corrected first
            sim.ClearCalls();
            sim.ChooseFromMenu(pair.second);
            Notify(517);
            const std::string box = Row(pair.first).name;
            const std::string item = Row(pair.second).name;
            const bool on = start == 1;
            EXPECT_EQ(sim.Calls(), (Calls{
                                       "SetForegroundWindow(0x10010)",
                                       "PopupMenu(mPopupSys)",
                                       "SetChecked(" + item + ", " + (on ? "true" : "false") + ")",
                                       "SetChecked(" + item + ", " + (on ? "false" : "true") + ")",
                                       "SetValue(" + box + ", " + (on ? "0" : "1") + ")",
                                   }));
            EXPECT_EQ(sim.Value(pair.first), on ? 0 : 1);
            EXPECT_EQ(sim.Checked(pair.second), !on);
        }
    }
    EXPECT_EQ(sim.CallsStartingWith("SaveSetting"), Calls{}) << "a change is stored at the next save";
}

TEST_F(TrayTest, MenuCheckLeavesTheMarkForOtherValues) {
    sim.SetValue(C::chkForce, 2);
    sim.SetChecked(M::mPopForce, true);
    sim.ClearCalls();
    form.MenuCheck(C::chkForce, M::mPopForce);
    EXPECT_EQ(sim.Calls(), Calls{});
    EXPECT_TRUE(sim.Checked(M::mPopForce));
}

TEST_F(TrayTest, ActionItemsAreTheButtons) {
    Load();
    ToTray();
    sim.AnswerMsgBox(7);
    sim.ChooseFromMenu(M::mPopShutdown);
    Notify(517);
    EXPECT_EQ(sim.CallsStartingWith("MsgBox"),
              Calls{"MsgBox(\"Are you sure you want to shutdown?\", 4, \"Quellar 2000\")"});
    EXPECT_EQ(sim.CallsStartingWith("AdjustTokenPrivileges").size(), 1u);
    EXPECT_FALSE(sim.Visible()) << "the window stays in the tray";
    sim.SetValue(C::chkDisable, 1);
    sim.ChooseFromMenu(M::mPopLogOff);
    ExpectEnds([&] { Notify(517); });
    EXPECT_EQ(sim.CallsStartingWith("ExitWindowsEx"), Calls{"ExitWindowsEx(0, 0xFFFFFFFF)"});
}

TEST_F(TrayTest, TheLogOffItemReadsLikeTheButton) {
    Load();
    ToTray();
    EXPECT_EQ(sim.MenuCaption(M::mPopLogOff), "Log Off Jsmith");
}

TEST_F(TrayTest, ANewTaskbarGetsTheIconBackOnlyWhileInTheTray) {
    Load();
    form.Form_TaskbarCreated();
    EXPECT_EQ(sim.Calls(), Calls{}) << "a shown window has no icon";
    ToTray();
    form.Form_TaskbarCreated();
    EXPECT_EQ(sim.Calls(), Calls{"Shell_NotifyIconA(NIM_ADD, 0x10010)"});
}

}  // namespace
}  // namespace quellar
