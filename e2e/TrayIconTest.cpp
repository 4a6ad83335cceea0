// The tray icon: minimising hides the window behind exactly one icon,
// restoring takes it away, and the shell's mouse notifications reach the
// window (posted, and for real through Wine's taskbar).
#include <gtest/gtest.h>

#include "e2e/Controls.h"
#include "e2e/Input.h"
#include "e2e/TrayFixture.h"
#include "e2e/TrayInput.h"

namespace e2e {
namespace {

class TrayIcon : public TrayFixture {};

TEST_F(TrayIcon, StartsShownWithoutAnIcon) { EXPECT_TRUE(shownWithoutIcon()); }

TEST_F(TrayIcon, MinimisingHidesTheWindowBehindOneIcon) { EXPECT_TRUE(minimise()); }

TEST_F(TrayIcon, TheMinimiseBoxSendsTheWindowToTheTray) {
    ASSERT_TRUE(session().bringToFront());
    const auto box = MinimiseBoxOf(window());
    ASSERT_TRUE(box) << "no minimise box on the caption";
    ClickAt(*box);
    EXPECT_TRUE(inTrayWithOneIcon());
}

TEST_F(TrayIcon, DoubleClickNotificationRestoresAndMinimisingAgainGivesOneIcon) {
    ASSERT_TRUE(minimise());
    notify(WM_LBUTTONDBLCLK);
    EXPECT_TRUE(shownWithoutIcon());
    EXPECT_TRUE(minimise()) << "the second time";
}

TEST_F(TrayIcon, RightButtonUpNotificationOpensTheMenuAtTheMouse) {
    ASSERT_TRUE(minimise());
    const HWND menu = openMenu();
    ASSERT_NE(menu, nullptr) << "no menu";
    RECT place{};
    GetWindowRect(menu, &place);
    EXPECT_EQ(place.left, kMenuCorner.x);
    EXPECT_EQ(place.top, kMenuCorner.y);
    EXPECT_FALSE(IsWindowVisible(window())) << "the window came up with the menu";
    closeMenu();
    EXPECT_TRUE(menuClosed()) << "Escape left the menu open";
    EXPECT_TRUE(inTrayWithOneIcon());
}

// Each is followed by a click on a check box posted to the same thread:
// once the box has changed, the message before it has been handled, and a
// menu it opened would be open.
TEST_F(TrayIcon, OtherMouseNotificationsDoNothing) {
    ASSERT_TRUE(minimise());
    const HWND marker = control(quellar::ControlId::chkMinimise);
    bool ticked = IsChecked(marker);
    for (const UINT message : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONDBLCLK}) {
        notify(message);
        ticked = !ticked;
        PostMessageA(marker, BM_SETCHECK, ticked ? BST_CHECKED : BST_UNCHECKED, 0);
        ASSERT_TRUE(WaitUntil([&] { return IsChecked(marker) == ticked; }, kTrayTimeoutMs)) << "no answer";
        EXPECT_EQ(popupMenu(), nullptr) << "message " << message << " opened a menu";
        closeMenu();
        EXPECT_TRUE(inTrayWithOneIcon()) << "after message " << message;
    }
}

TEST_F(TrayIcon, DoubleClickingTheIconRestoresTheWindow) {
    ASSERT_TRUE(minimise());
    const auto icons = ShownTrayIcons();
    ASSERT_TRUE(icons && icons->size() == 1);
    DoubleClickAt(CentreOf(icons->front().screen));
    EXPECT_TRUE(shownWithoutIcon());
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == window(); }, kTrayTimeoutMs)) << "not in front";
}

TEST_F(TrayIcon, RightClickingTheIconOpensTheMenu) {
    ASSERT_TRUE(minimise());
    const auto icons = ShownTrayIcons();
    ASSERT_TRUE(icons && icons->size() == 1);
    RightClickAt(CentreOf(icons->front().screen));
    HWND menu = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (menu = popupMenu()) != nullptr; }, kTrayTimeoutMs)) << "no menu";
    EXPECT_FALSE(IsWindowVisible(window())) << "the window came up with the menu";
    closeMenu();
    EXPECT_TRUE(inTrayWithOneIcon());
}

// The menu must close when the user clicks somewhere else.
TEST_F(TrayIcon, AClickElsewhereClosesTheMenuAndDoesNothing) {
    ASSERT_TRUE(minimise());
    const auto icons = ShownTrayIcons();
    ASSERT_TRUE(icons && icons->size() == 1);
    RightClickAt(CentreOf(icons->front().screen));
    ASSERT_TRUE(WaitUntil([&] { return popupMenu() != nullptr; }, kTrayTimeoutMs)) << "no menu";
    constexpr POINT kEmptyDesktop = {400, 40};
    ClickAt(kEmptyDesktop);
    EXPECT_TRUE(menuClosed()) << "the menu stayed open";
    EXPECT_TRUE(inTrayWithOneIcon());
}

class TrayTaskbarRestart : public TrayFixture {
protected:
    // Every message sent before this one has been handled once it returns.
    bool programCaughtUp() { return Ask(window(), WM_NULL).has_value(); }
};

TEST_F(TrayTaskbarRestart, TheIconComesBackOnANewTaskbar) {
    ASSERT_TRUE(minimise());
    ASSERT_TRUE(RemoveTrayIcon(window()));
    ASSERT_TRUE(WaitUntil([&] { return ShownTrayIconCount() == 0; }, kTrayTimeoutMs));
    AnnounceNewTaskbar();
    EXPECT_TRUE(inTrayWithOneIcon());
}

TEST_F(TrayTaskbarRestart, AShownWindowAddsNoIconToANewTaskbar) {
    AnnounceNewTaskbar();
    ASSERT_TRUE(programCaughtUp());
    EXPECT_FALSE(TrayIconExists(window()));
    EXPECT_EQ(ShownTrayIconCount(), 0);
    EXPECT_TRUE(IsWindowVisible(window()));
}

}  // namespace
}  // namespace e2e
