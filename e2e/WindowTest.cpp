// The main window: caption, size from twips, place on the desktop, frame.
#include <gtest/gtest.h>

#include "e2e/Controls.h"
#include "e2e/ExpectedLayout.h"
#include "e2e/ProgramTest.h"
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
    EXPECT_NEAR(window.left, expectedLeft, 1) << "work area " << workArea.left << "," << workArea.top << " - "
                                              << workArea.right << "," << workArea.bottom;
    EXPECT_NEAR(window.top, expectedTop, 1) << "work area " << workArea.left << "," << workArea.top << " - "
                                            << workArea.right << "," << workArea.bottom;
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

TEST_F(Window, ClosingItEndsTheProgram) {
    ASSERT_TRUE(session().program().close()) << "still running after WM_CLOSE";
    EXPECT_EQ(session().program().exitCode(), 0u);
}

}  // namespace
}  // namespace e2e
