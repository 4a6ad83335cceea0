// A fresh program for each tray test, with the two states it moves between:
// shown with no icon, or hidden in the tray with exactly one icon.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "e2e/Controls.h"
#include "e2e/MessageBoxes.h"
#include "e2e/Program.h"
#include "e2e/ProgramTest.h"
#include "e2e/Registry.h"
#include "e2e/TrayMenuPicture.h"
#include "e2e/TrayShell.h"
#include "e2e/Wait.h"

namespace e2e {

constexpr DWORD kTrayTimeoutMs = 5000;
inline const std::string kSavedOptionsKey = std::string(kSettingsKey) + "\\Startup";
constexpr const char* kPopupMenuClass = "#32768";
// The program opens its menu at the mouse; parked here, the mouse is on
// the menu's corner, over no item, and the whole menu is on the screen.
constexpr POINT kMenuCorner = {120, 120};

class TrayFixture : public ProgramTest {
protected:
    void TearDown() override {
        closeMenu();
        ProgramTest::TearDown();
    }

    HWND window() { return session().mainWindow(); }
    DWORD processId() { return session().program().processId(); }

    void tick(quellar::ControlId id) {
        Click(control(id));
        ASSERT_TRUE(WaitUntil([&] { return IsChecked(control(id)); }, kTrayTimeoutMs)) << quellar::Row(id).name;
    }

    // The options as saved under the program's key ("1" or "0").
    void expectSaved(const char* force, const char* disable, const char* minimise) {
        EXPECT_EQ(ReadUserString(kSavedOptionsKey, "Force"), std::string(force));
        EXPECT_EQ(ReadUserString(kSavedOptionsKey, "Disable"), std::string(disable));
        EXPECT_EQ(ReadUserString(kSavedOptionsKey, "Minimise"), std::string(minimise));
    }

    // The shell's notification as the program gets it: the mouse message
    // rides where a position's x would be.
    void notify(UINT mouseMessage) { PostMessageA(window(), WM_MOUSEMOVE, kTrayIconId, mouseMessage); }

    // Minimised the user's way, through the system command.
    testing::AssertionResult minimise() {
        PostMessageA(window(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
        return inTrayWithOneIcon();
    }

    testing::AssertionResult inTrayWithOneIcon() {
        const HWND hwnd = window();
        const auto inTray = [&] {
            return IsIconic(hwnd) && !IsWindowVisible(hwnd) && TrayIconExists(hwnd) && ShownTrayIconCount() == 1 &&
                   !HasVisibleTaskbarButton(hwnd);
        };
        if (!WaitUntil(inTray, kTrayTimeoutMs)) return failure("not hidden in the tray with one icon");
        if (!TrayRefusesTheSameIconAgain(hwnd)) return failure("the shell took a second copy of the icon");
        const auto icons = ShownTrayIcons();
        if (!icons || icons->size() != 1) return failure("the icon went again");
        if (icons->front().tip != kTrayTip) return failure("the icon's tip is \"" + icons->front().tip + "\"");
        return testing::AssertionSuccess();
    }

    testing::AssertionResult shownWithoutIcon() {
        const HWND hwnd = window();
        const auto shown = [&] {
            return IsWindowVisible(hwnd) && !IsIconic(hwnd) && !TrayIconExists(hwnd) && ShownTrayIconCount() == 0 &&
                   HasVisibleTaskbarButton(hwnd);
        };
        if (!WaitUntil(shown, kTrayTimeoutMs)) return failure("not shown without an icon");
        return testing::AssertionSuccess();
    }

    HWND popupMenu() { return FindTopLevel(processId(), kPopupMenuClass); }

    HWND openMenu() {
        SetCursorPos(kMenuCorner.x, kMenuCorner.y);
        notify(WM_RBUTTONUP);
        HWND menu = nullptr;
        WaitUntil([&] { return (menu = popupMenu()) != nullptr; }, kTrayTimeoutMs);
        return menu;
    }

    bool menuClosed() {
        return WaitUntil([&] { return popupMenu() == nullptr; }, kTrayTimeoutMs);
    }

    void closeMenu() {
        if (!session().program().running()) return;
        const HWND menu = popupMenu();
        if (menu == nullptr) return;
        PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
        menuClosed();
    }

    // The letter as typed into the open menu; it chooses the item whose
    // caption underlines it.
    void typeIntoMenu(HWND menu, char letter) { PostMessageA(menu, WM_CHAR, static_cast<WPARAM>(letter), 0); }

    // The menu's picture once it is drawn: its first item is there.
    std::optional<MenuPicture> pictureOf(HWND menu, const std::string& firstCaption) {
        std::optional<MenuPicture> picture;
        WaitUntil(
            [&] {
                picture.emplace(menu);
                return picture->ok() && picture->find(firstCaption).has_value();
            },
            kTrayTimeoutMs);
        if (!picture || !picture->find(firstCaption)) return std::nullopt;
        return picture;
    }

private:
    testing::AssertionResult failure(const std::string& what) {
        const HWND hwnd = window();
        return testing::AssertionFailure()
               << what << " (iconic " << (IsIconic(hwnd) ? 1 : 0) << ", visible " << (IsWindowVisible(hwnd) ? 1 : 0)
               << ", icon " << (TrayIconExists(hwnd) ? 1 : 0) << ", icons shown " << ShownTrayIconCount()
               << ", taskbar button " << (HasVisibleTaskbarButton(hwnd) ? "shown" : "hidden") << ")";
    }

protected:
    // Waits for the end, noting any question on the way.
    void expectEndsWithoutAsking(const char* what = "") {
        Program& program = session().program();
        bool asked = false;
        const bool ended = WaitUntil(
            [&] {
                asked = asked || FindTopLevel(program.processId(), kDialogClass) != nullptr;
                return !program.running();
            },
            kTrayTimeoutMs);
        ASSERT_TRUE(ended) << "still running" << what;
        EXPECT_FALSE(asked) << "it asked";
        EXPECT_EQ(program.exitCode(), 0u);
        EXPECT_EQ(ShownTrayIconCount(), 0) << "an icon stayed behind";
    }
};

}  // namespace e2e
