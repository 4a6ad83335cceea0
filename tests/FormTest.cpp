// The form's answers to what Windows does and Wine does not show, through a
// stand-in for Windows behind the port.
#include <gtest/gtest.h>

#include <sstream>

#include "app/frmQuellar.h"
#include "tests/WindowsDouble.h"

namespace quellar {
namespace {

// The program, started with the options stored as "Key=text ...".
struct Started {
    WindowsDouble windows;
    frmQuellar form{windows};

    explicit Started(const std::string& stored = "", bool firstShowMinimised = false) {
        windows.form = &form;
        std::istringstream options(stored);
        for (std::string option; options >> option;)
            windows.store["Startup\\" + option.substr(0, option.find('='))] = option.substr(option.find('=') + 1);
        windows.firstShowMinimised = firstShowMinimised;
        form.Form_Load();
    }
    // The shell's notification about the icon arrives as a pointer move to
    // x = the message, which the window hands on in twips.
    void Notify(int message) {
        const float twipsPerPixel = 1440.0f / static_cast<float>(windows.dpi);
        form.Form_MouseMove(0, 0, static_cast<float>(message) * twipsPerPixel, 0);
    }
};

// Every scaling step of Windows 10 and 11, custom ones, and the old screens.
TEST(Tray, TheIconAnswersAtEveryResolution) {
    for (int dpi = 72; dpi <= 480; ++dpi) {
        Started program("Minimise=1");
        program.windows.dpi = dpi;
        program.Notify(517);
        EXPECT_EQ(program.windows.menusOpened, 1) << "the right button at " << dpi << " dpi";
        program.Notify(515);
        EXPECT_TRUE(program.windows.visible && program.windows.state == WindowState::Normal)
            << "a double click at " << dpi << " dpi";
    }
}

// A shortcut set to "Run: Minimized" (or start /min) makes the first show a
// minimise: the window lands in the tray, with an icon to bring it back.
TEST(Tray, StartedMinimisedByItsShortcutItWaitsInTheTray) {
    for (const char* stored : {"", "Minimise=1"}) {
        Started program(stored, true);
        EXPECT_TRUE(program.windows.icon && !program.windows.visible) << stored;
        EXPECT_STREQ(program.windows.iconRecord.szTip, "Quellar 2000 v2.40");
        program.Notify(515);
        EXPECT_TRUE(program.windows.visible && program.windows.state == WindowState::Normal) << stored;
    }
}

// The shell refuses icons while it is busy, at logon above all.
TEST(Tray, WhileTheShellRefusesTheIconTheWindowStaysOnTheTaskbar) {
    Started program;
    program.windows.shellTakesIcons = false;
    program.windows.SetState(WindowState::Minimised);
    EXPECT_TRUE(program.windows.visible && !program.windows.icon);
    EXPECT_GT(program.windows.intervals[ControlId::timTray], 0) << "the icon is offered again";
    program.form.timTray_Timer();
    EXPECT_TRUE(program.windows.visible && !program.windows.icon) << "still refused";
    program.windows.shellTakesIcons = true;
    program.form.timTray_Timer();
    EXPECT_TRUE(!program.windows.visible && program.windows.icon) << "taken at last";
    EXPECT_EQ(program.windows.intervals[ControlId::timTray], 0);
    // A new taskbar that refuses the icon again brings the button back.
    program.windows.icon = program.windows.shellTakesIcons = false;
    program.form.Form_TaskbarCreated();
    EXPECT_TRUE(program.windows.visible && program.windows.intervals[ControlId::timTray] > 0);
}

// Windows may refuse to act (the privilege removed by a policy, a remote
// session): the program says why and stays, in the tray if it was there.
TEST(Actions, WhenWindowsRefusesTheProgramSaysWhyAndStays) {
    Started program("Disable=1 Minimise=1");
    program.windows.refusal = "A required privilege is not held by the client.";
    program.windows.menuChoices = {MenuId::mPopShutdown};
    program.Notify(517);
    ASSERT_EQ(program.windows.sessionEnds, std::vector<std::uint32_t>{1});
    EXPECT_EQ(program.windows.boxes.back(),
              "Quellar 2000|Windows refused to shutdown:\rA required privilege is not held by the client.");
    EXPECT_TRUE(program.windows.icon && !program.windows.visible) << "still in the tray";
}

TEST(Countdown, WhenWindowsRefusesAtZeroDisableStaysTicked) {
    Started program;
    program.windows.refusal = "Access is denied.";
    program.windows.texts[ControlId::lstAdvanced] = "Reboot";
    program.windows.texts[ControlId::txtCounter] = "1";
    program.form.timCounter_Timer();
    EXPECT_EQ(program.windows.sessionEnds, std::vector<std::uint32_t>{2});
    EXPECT_EQ(program.windows.boxes.back(), "Quellar 2000|Windows refused to reboot:\rAccess is denied.");
    EXPECT_EQ(program.windows.values[ControlId::chkDisable], 1);
    EXPECT_EQ(program.windows.store["Startup\\Disable"], "1");
}

}  // namespace
}  // namespace quellar
