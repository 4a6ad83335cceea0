#include <cstring>

#include "tests/SimFixture.h"

namespace quellar {
namespace {

using C = ControlId;

// The calls of a start-up on an empty store, from the load to the Start button.
const Calls kEmptyStoreStartup = {
    "PrevInstance()",
    "GetComputerNameA(255)",
    "GetVersionExA(148)",
    "SetText(lblVersion, \"Windows 2000 on \\\\OFFICE-PC\")",
    "GetUserNameA(255)",
    "SetText(cmdLogOff, \"Log Off Jsmith\")",
    "GetVersion()",
    "SaveSetting(\"Quellar\", \"Startup\", \"Warning\", \"0\")",
    "DeleteSetting(\"Quellar\", \"Startup\", \"Warning\")",
    "GetSetting(\"Quellar\", \"Startup\", \"Force\")",
    "SetValue(chkForce, 0)",
    "GetSetting(\"Quellar\", \"Startup\", \"Disable\")",
    "SetValue(chkDisable, 0)",
    "GetSetting(\"Quellar\", \"Startup\", \"Minimise\")",
    "SetValue(chkMinimise, 0)",
    "Show()",
    // the first display is a resize, before the tray record is filled
    "Shell_NotifyIconA(NIM_DELETE, 0x0)",
    "SetChecked(mPopForce, false)",
    "SetChecked(mPopDisable, false)",
    "SetMenuCaption(mPopLogOff, \"Log Off Jsmith\")",
    "Refresh()",
    "SetEnabled(txtCounter, true)",
    "SetEnabled(cmdStart, true)",
    "SetEnabled(lstAdvanced, true)",
    "SetEnabled(lblInfoAdvanced, true)",
    "SetEnabled(lblCombo, true)",
    "SetEnabled(lblCounter, true)",
    "SetEnabled(lblWarning, true)",
    "AddItem(lstAdvanced, \"(Make selection)\")",
    "AddItem(lstAdvanced, \"Log Off\")",
    "AddItem(lstAdvanced, \"Shutdown\")",
    "AddItem(lstAdvanced, \"Reboot\")",
    "AddItem(lstAdvanced, \"Power Down\")",
    "SetEnabled(cmdStart, false)",
};

Calls WithoutHelpLink(const Calls& calls) { return Calls(calls.begin() + 1, calls.end()); }

TEST_F(FormTest, StartupOnAnEmptyStore) {
    form.Form_Load();
    ASSERT_FALSE(sim.Calls().empty());
    EXPECT_EQ(sim.Calls()[0], "SetLinkTarget(hypHelp, \"C:\\Tools\\help.html\")");
    EXPECT_EQ(WithoutHelpLink(sim.Calls()), kEmptyStoreStartup);
    EXPECT_TRUE(sim.Visible());
    EXPECT_EQ(form.glngWhichWindows32, 1);
    EXPECT_EQ(sim.Store().size(), 0u) << "only the emptied section is left";
    EXPECT_EQ(sim.Items(C::lstAdvanced), (Calls{"(Make selection)", "Log Off", "Shutdown", "Reboot", "Power Down"}));
    EXPECT_EQ(sim.Text(C::lstAdvanced), "(Make Selection)");
    EXPECT_FALSE(sim.Enabled(C::cmdStart));
    EXPECT_TRUE(sim.Enabled(C::txtCounter));
    EXPECT_FALSE(sim.TrayIconShown());
}

TEST_F(FormTest, StartupFillsTheTrayRecordByteForByte) {
    form.Form_Load();
    const modSysTray::TrayIconRecord& r = form.gudtTrayIcon;
    EXPECT_EQ(r.cbSize, 88u);
    EXPECT_EQ(r.hWnd, SimPlatform::kWindowHandle);
    EXPECT_EQ(r.uID, 1u);
    EXPECT_EQ(r.uFlags, 7u);
    EXPECT_EQ(r.uCallbackMessage, 0x200u);
    EXPECT_EQ(r.hIcon, SimPlatform::kIconHandle);
    unsigned char bytes[88];
    std::memcpy(bytes, &r, sizeof bytes);
    const unsigned char head[24] = {88, 0, 0, 0, 0x10, 0x00, 0x01, 0, 1,    0,    0,    0,
                                    7,  0, 0, 0, 0x00, 0x02, 0,    0, 0x20, 0x00, 0x02, 0};
    EXPECT_EQ(std::memcmp(bytes, head, sizeof head), 0);
    EXPECT_EQ(std::string(r.szTip, 64), std::string("Quellar 2000 v2.40") + '\0' + std::string(45, ' '));
}

TEST_F(FormTest, StoredOptionsAreLoadedAndMinimiseStartsInTheTray) {
    sim.SetStored(std::string(kStore) + "Force", "1");
    sim.SetStored(std::string(kStore) + "Disable", "0");
    sim.SetStored(std::string(kStore) + "Minimise", "1");
    sim.SetStored(std::string(kStore) + "Warning", "left by an earlier run");
    form.Form_Load();
    EXPECT_EQ(sim.Value(C::chkForce), 1);
    EXPECT_EQ(sim.Value(C::chkDisable), 0);
    EXPECT_EQ(sim.Value(C::chkMinimise), 1);
    EXPECT_FALSE(sim.Stored(std::string(kStore) + "Warning").has_value());
    EXPECT_EQ(sim.State(), WindowState::Minimised);
    EXPECT_FALSE(sim.Visible());
    EXPECT_TRUE(sim.TrayIconShown());
    // Shown, then the record, then the minimise that hides it into the tray.
    const Calls& calls = sim.Calls();
    const Calls expected = {"Refresh()",
                            "SetState(1)",
                            "Hide()",
                            "Shell_NotifyIconA(NIM_ADD, 0x10010)",
                            "SetChecked(mPopForce, true)",
                            "SetChecked(mPopDisable, false)",
                            "SetMenuCaption(mPopLogOff, \"Log Off Jsmith\")",
                            "SetEnabled(txtCounter, true)"};
    auto refresh = std::find(calls.begin(), calls.end(), "Refresh()");
    ASSERT_NE(refresh, calls.end());
    EXPECT_EQ(Calls(refresh, refresh + static_cast<long>(expected.size())), expected);
}

TEST_F(FormTest, OnlyTheExactTextOneStartsMinimised) {
    for (const char* stored : {" 1", "1 ", "True", "01", "-1", ""}) {
        FreshForm fresh;
        SimPlatform& other = fresh.sim;
        frmQuellar& otherForm = fresh.form;
        other.SetStored(std::string(kStore) + "Minimise", stored);
        other.SetStored(std::string(kStore) + "Force", stored);
        otherForm.Form_Load();
        EXPECT_EQ(other.State(), WindowState::Normal) << '"' << stored << '"';
        EXPECT_TRUE(other.Visible()) << '"' << stored << '"';
        EXPECT_EQ(other.Value(C::chkMinimise), 0) << '"' << stored << '"';
        EXPECT_EQ(other.Value(C::chkForce), 0) << '"' << stored << '"';
    }
}

TEST_F(FormTest, FailingNameCallsKeepTheDesignedTexts) {
    sim.Fail("GetUserNameA");
    sim.Fail("GetComputerNameA");
    form.Form_Load();
    EXPECT_EQ(sim.Text(C::cmdLogOff), "&Log Off User");
    EXPECT_EQ(sim.Text(C::lblVersion), "Windows 2000 on \\\\");
    EXPECT_EQ(sim.MenuCaption(MenuId::mPopLogOff), "&Log Off User") << "the menu item follows the button";
    EXPECT_FALSE(sim.Enabled(C::cmdStart)) << "the rest of start-up still ran";
}

TEST_F(FormTest, AnEmptyUserNameKeepsTheDesignedCaption) {
    sim.SetUserName("");
    form.Form_Load();
    EXPECT_EQ(sim.Text(C::cmdLogOff), "&Log Off User");
}

TEST_F(FormTest, UnreadableStoreStartsWithEveryOptionOff) {
    sim.Fail("GetSetting");
    sim.Fail("SaveSetting");
    sim.Fail("DeleteSetting");
    form.Form_Load();
    EXPECT_EQ(sim.Value(C::chkForce), 0);
    EXPECT_EQ(sim.Value(C::chkMinimise), 0);
    EXPECT_TRUE(sim.Visible());
    EXPECT_EQ(sim.CallsStartingWith("SetValue"), Calls{}) << "a failed read leaves the boxes alone";
    EXPECT_EQ(sim.CallsStartingWith("AddItem").size(), 5u);
}

TEST_F(FormTest, LogOffCaptionFromTheUserName) {
    struct Case {
        const char* user;
        const char* caption;
    };
    const Case cases[] = {
        {"jSMITH", "Log Off Jsmith"},
        {"administrator", "Log Off Administ"},
        {"a", "Log Off A"},
        {"\xE9mile", "Log Off \xC9mile"},  // émile in the ANSI code page
        {"JOS\xC9", "Log Off Jos\xE9"},
        {"a&b", "Log Off A&&b"},  // shown as typed, with no access key
    };
    for (const Case& c : cases) {
        FreshForm fresh;
        SimPlatform& other = fresh.sim;
        frmQuellar& otherForm = fresh.form;
        other.SetUserName(c.user);
        otherForm.Form_Load();
        EXPECT_EQ(other.Text(C::cmdLogOff), c.caption) << c.user;
    }
}

TEST_F(FormTest, HelpLinkIsJoinedToTheWorkingDirectoryAsItIs) {
    sim.SetCurDir("C:\\");
    form.Form_Load();
    EXPECT_EQ(sim.LinkTarget(C::hypHelp), "C:\\\\help.html");
}

TEST_F(FormTest, PlatformFlagFromTheTopBitOfGetVersion) {
    sim.SetVersion(1, 4, 10, 0xC0000A04);
    form.Form_Load();
    EXPECT_EQ(form.glngWhichWindows32, 0);
    EXPECT_EQ(sim.Text(C::lblVersion), "Windows 98 on \\\\OFFICE-PC");
}

TEST_F(FormTest, SecondCopyActivatesTheFirstAndEndsWithoutTouchingTheStore) {
    sim.SetPrevInstance(true);
    sim.SetRunningApp("Quellar");
    sim.SetStored(std::string(kStore) + "Force", "1");
    sim.AnswerMsgBox(1);
    ExpectEnds([&] { form.Form_Load(); });
    const Calls expected = {
        "SetLinkTarget(hypHelp, \"C:\\Tools\\help.html\")",
        "PrevInstance()",
        "SetAppTitle(\"Duplicate instance.\")",
        "SetCaption(\"... Duplicate instance.\")",
        "AppActivate(\"Quellar\")",
        "MsgBox(\"There is another instance of this program already running.\rIf Quellar 2000 does not display "
        "immediately, please check\rthe system tray (next to the clock) for its icon.\", 0, \"Duplicate Instance\")",
        "Hide()",
        "SetValue(chkDisable, 1)",
        "Unload()",
        "(window unloaded)",
        "End()",
    };
    EXPECT_EQ(sim.Calls(), expected);
    EXPECT_EQ(sim.Store().size(), 1u);
    EXPECT_EQ(sim.Stored(std::string(kStore) + "Force"), "1");
}

TEST_F(FormTest, SecondCopyStillEndsWhenNoCopyCanBeActivated) {
    sim.SetPrevInstance(true);
    sim.AnswerMsgBox(1);
    ExpectEnds([&] { form.Form_Load(); });
    EXPECT_EQ(sim.CallsStartingWith("MsgBox").size(), 1u);
    EXPECT_EQ(sim.CallsStartingWith("Save"), Calls{});
    EXPECT_FALSE(sim.Loaded());
}

}  // namespace
}  // namespace quellar
