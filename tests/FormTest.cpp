// The form's answers to what Windows does and Wine does not show, through a
// stand-in for Windows behind the port.
#include <gtest/gtest.h>

#include <sstream>

#include "app/form/frmQuellar.h"
#include "tests/WindowsDouble.h"

namespace quellar {
namespace {

// The program, started with the options stored as "Key=text ...".
struct Started {
    WindowsDouble windows;
    frmQuellar form{windows.Roles()};

    explicit Started(const std::string& stored = "", bool firstShowMinimised = false) {
        windows.form = &form;
        std::istringstream options(stored);
        for (std::string option; options >> option;)
            windows.store[option.substr(0, option.find('='))] = option.substr(option.find('=') + 1);
        windows.firstShowMinimised = firstShowMinimised;
        form.Form_Load();
    }
    // A pointer move to x pixels, which the window hands on in twips; the
    // shell's notifications about the icon come so, with x = the message.
    void PointerAt(int x) { form.Form_MouseMove(0, 0, static_cast<float>(x) * TwipsPerPixel(windows.dpi), 0); }
};

// Every scaling step of Windows 10 and 11, custom ones, and the old screens.
TEST(Tray, TheIconAnswersAtEveryResolution) {
    for (int dpi = 72; dpi <= 480; ++dpi) {
        Started program("Minimise=1");
        program.windows.dpi = dpi;
        program.PointerAt(517);
        EXPECT_EQ(program.windows.menusOpened, 1) << "the right button at " << dpi << " dpi";
        program.PointerAt(515);
        EXPECT_TRUE(program.windows.visible && program.windows.state == WindowState::Normal)
            << "a double click at " << dpi << " dpi";
    }
}

// A shown window gets real pointer moves, which are never the icon's clicks.
TEST(Tray, PointerMovesOverTheShownWindowAreNoClicks) {
    Started program;
    for (int x = 0; x < 1000; ++x) program.PointerAt(x);
    EXPECT_EQ(program.windows.menusOpened, 0);
    EXPECT_TRUE(program.windows.visible && program.windows.state == WindowState::Normal);
}

// The menu shows the boxes as they are when it opens, also once the
// countdown's zero has ticked Disable in the tray.
TEST(Tray, TheMenuShowsTheBoxesAsTheyAreWhenItOpens) {
    Started program("Minimise=1 Force=1");
    program.PointerAt(517);
    EXPECT_EQ(program.windows.ticksShown, "1,0");
    program.windows.texts[ControlId::lstAdvanced] = "Nothing";  // typed over an item: no action at zero
    program.windows.texts[ControlId::txtCounter] = "1";
    program.form.timCounter_Timer();
    program.PointerAt(517);
    EXPECT_EQ(program.windows.ticksShown, "1,1");
    EXPECT_TRUE(program.windows.sessionEnds.empty()) << "no action is chosen";
}

// A shortcut set to "Run: Minimized" (or start /min) makes the first show a
// minimise: the window lands in the tray, with an icon to bring it back.
TEST(Tray, StartedMinimisedByItsShortcutItWaitsInTheTray) {
    for (const char* stored : {"", "Minimise=1"}) {
        Started program(stored, true);
        EXPECT_TRUE(program.windows.icon && !program.windows.visible) << stored;
        program.PointerAt(515);
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
    program.form.Form_TaskbarCreated();  // sent by another program: the icon is still there
    EXPECT_TRUE(!program.windows.visible && program.windows.intervals[ControlId::timTray] == 0);
    // A new taskbar that refuses the icon again brings the button back.
    program.windows.icon = program.windows.shellTakesIcons = false;
    program.form.Form_TaskbarCreated();
    EXPECT_TRUE(program.windows.visible && program.windows.intervals[ControlId::timTray] > 0);
}

// Windows may refuse to act (the privilege removed by a policy, a remote
// session): the program says why and stays, in the tray if it was there; a
// countdown's Disable stays ticked.
TEST(Actions, WhenWindowsRefusesTheProgramSaysWhyAndStays) {
    Started program("Disable=1 Minimise=1");
    program.windows.refusal = "A required privilege is not held by the client.";
    program.form.mPopShutdown_Click();
    EXPECT_EQ(program.windows.boxes.back(),
              "Quellar 2000|Windows refused to shutdown:\rA required privilege is not held by the client.");
    EXPECT_EQ(program.windows.sessionEnds, std::vector<std::uint32_t>{1}) << "shut down, without Force";
    EXPECT_TRUE(program.windows.icon && !program.windows.visible) << "still in the tray";
    Started counting;
    counting.windows.refusal = "Access is denied.";
    counting.windows.texts[ControlId::lstAdvanced] = "Reboot";
    counting.windows.texts[ControlId::txtCounter] = "1";
    counting.form.timCounter_Timer();
    EXPECT_EQ(counting.windows.boxes.back(), "Quellar 2000|Windows refused to reboot:\rAccess is denied.");
    EXPECT_EQ(counting.windows.sessionEnds, std::vector<std::uint32_t>{2}) << "reboot, without Force";
    EXPECT_EQ(counting.windows.store["Disable"], "1");
}

// As a screen reader should announce them, which it cannot guess: the box
// and the list by the words beside them, the links as links.
TEST(ScreenReaders, BoxesAreNamedByTheirLabelsAndLinksAreLinks) {
    const std::map<ControlId, std::string> announced = {{ControlId::txtCounter, "Time remaining (in seconds)"},
                                                        {ControlId::lstAdvanced, "Shutdown method"},
                                                        {ControlId::hypHelp, "Help, link"},
                                                        {ControlId::HlblURL, "http://quellar.example/, link"}};
    EXPECT_EQ(Started().windows.spoken, announced);
}

}  // namespace
}  // namespace quellar
