// The main window: caption, size from twips, place on the desktop, frame.
#include <gtest/gtest.h>

#include "e2e/Controls.h"
#include "e2e/ExpectedLayout.h"
#include "e2e/MessageBoxes.h"
#include "e2e/ProgramTest.h"
#include "e2e/Registry.h"
#include "e2e/Wait.h"
#include "resources/resource.h"

namespace e2e {
namespace {

class Window : public ProgramTest {};

TEST_F(Window, HasItsClassAndCaption) {
    EXPECT_EQ(ClassOf(session().mainWindow()), quellar::ids::kMainClass);
    EXPECT_EQ(TextOf(session().mainWindow()), std::string(quellar::Form().caption));
}

TEST_F(Window, IsShownAndNotMinimisedAtStart) {
    EXPECT_TRUE(IsWindowVisible(session().mainWindow()));
    EXPECT_FALSE(IsIconic(session().mainWindow()));
}

TEST_F(Window, ClientAreaIsTheFormSizeInPixels) {
    const SIZE expected = ExpectedClientSize();
    const SIZE actual = ClientSize(session().mainWindow());
    EXPECT_EQ(actual.cx, expected.cx) << "at " << ScreenDpi() << " dpi";
    EXPECT_EQ(actual.cy, expected.cy) << "at " << ScreenDpi() << " dpi";
}

TEST_F(Window, IsCentredOnTheWorkArea) {
    RECT workArea{};
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0));
    RECT window{};
    ASSERT_TRUE(GetWindowRect(session().mainWindow(), &window));
    const long width = window.right - window.left;
    const long height = window.bottom - window.top;
    const long expectedLeft = workArea.left + (workArea.right - workArea.left - width) / 2;
    const long expectedTop = workArea.top + (workArea.bottom - workArea.top - height) / 2;
    EXPECT_NEAR(window.left, expectedLeft, 1)
        << "work area " << workArea.left << "," << workArea.top << " - " << workArea.right << "," << workArea.bottom;
    EXPECT_NEAR(window.top, expectedTop, 1)
        << "work area " << workArea.left << "," << workArea.top << " - " << workArea.right << "," << workArea.bottom;
}

TEST_F(Window, HasMinimiseBoxButCannotBeMaximisedOrResized) {
    const LONG_PTR style = StyleOf(session().mainWindow());
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_FALSE(style & (WS_CHILD | WS_POPUP));
}

TEST_F(Window, HasNoMenuBar) { EXPECT_EQ(GetMenu(session().mainWindow()), nullptr); }

TEST_F(Window, HasAHiddenApplicationTitleWindow) {
    const HWND title = FindTopLevel(session().program().processId(), quellar::ids::kAppTitleClass, false);
    ASSERT_NE(title, nullptr);
    EXPECT_FALSE(IsWindowVisible(title));
}

TEST_F(Window, TheTimerHasNoWindow) { EXPECT_EQ(control(quellar::ControlId::timCounter), nullptr); }

TEST_F(Window, ClosingAsksFirstAndYesEndsTheProgram) {
    Program& program = session().program();
    PostMessageA(session().mainWindow(), WM_CLOSE, 0, 0);
    const HWND box = WaitForMessageBox(program.processId());
    ASSERT_NE(box, nullptr) << "no question before quitting";
    EXPECT_EQ(MessageBoxTitle(box), std::string("Exit Quellar 2000"));
    EXPECT_EQ(MessageBoxText(box), std::string("Click Yes to quit Quellar 2000, or No to minimise it."));
    ASSERT_TRUE(AnswerMessageBox(box, IDYES));
    ASSERT_TRUE(program.waitForExit(kExitTimeoutMs)) << "still running after Yes";
    EXPECT_EQ(program.exitCode(), 0u);
}

TEST_F(Window, WithConfirmationDisabledClosingEndsAtOnce) {
    Program& program = session().program();
    const HWND disable = control(quellar::ControlId::chkDisable);
    ASSERT_NE(disable, nullptr);
    Click(disable);
    ASSERT_TRUE(WaitUntil([&] { return IsChecked(disable); }, kExitTimeoutMs)) << "a click did not check it";
    PostMessageA(session().mainWindow(), WM_CLOSE, 0, 0);
    bool asked = false;
    const bool ended = WaitUntil(
        [&] {
            asked = asked || FindTopLevel(program.processId(), kDialogClass) != nullptr;
            return !program.running();
        },
        kExitTimeoutMs);
    EXPECT_FALSE(asked) << "asked although confirmation is disabled";
    ASSERT_TRUE(ended) << "still running after WM_CLOSE";
    EXPECT_EQ(program.exitCode(), 0u);
    // Closing keeps the options as they were on the screen.
    const std::string options = std::string(kSettingsKey) + "\\Startup";
    EXPECT_EQ(ReadUserString(options, "Disable"), std::string("1"));
    EXPECT_EQ(ReadUserString(options, "Force"), std::string("0"));
    EXPECT_EQ(ReadUserString(options, "Minimise"), std::string("0"));
}

}  // namespace
}  // namespace e2e
