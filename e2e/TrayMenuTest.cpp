// The tray menu: its items as drawn, and what each does when chosen with
// the keyboard. No action may go ahead here: under Wine it would end the
// prefix's programs, so every question is answered No.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "e2e/Controls.h"
#include "e2e/MessageBoxes.h"
#include "e2e/Registry.h"
#include "e2e/StartState.h"
#include "e2e/TrayFixture.h"

namespace e2e {
namespace {

using quellar::ControlId;
using quellar::MenuId;

std::string Caption(MenuId item) { return quellar::Row(item).caption; }

class TrayMenu : public TrayFixture {
protected:
    struct Marks {
        bool force;
        bool disable;
    };

    // Opens the menu and reads the two marks from its picture.
    std::optional<Marks> marksInMenu() {
        const HWND menu = openMenu();
        if (menu == nullptr) return std::nullopt;
        const auto picture = pictureOf(menu, Caption(MenuId::mPopRestore));
        closeMenu();
        if (!picture) return std::nullopt;
        const auto force = picture->find(Caption(MenuId::mPopForce));
        const auto disable = picture->find(Caption(MenuId::mPopDisable));
        if (!force || !disable) return std::nullopt;
        return Marks{force->checked, disable->checked};
    }

    // Chooses an option item by its letter and waits for its box to follow.
    testing::AssertionResult toggle(char letter, ControlId box, bool expected) {
        const HWND menu = openMenu();
        if (menu == nullptr) return testing::AssertionFailure() << "no menu";
        typeIntoMenu(menu, letter);
        if (!WaitUntil([&] { return IsChecked(control(box)) == expected; }, kTrayTimeoutMs))
            return testing::AssertionFailure() << "'" << letter << "' left " << Row(box).name << " as it was";
        return testing::AssertionSuccess();
    }

    // An action item asks its question; No leaves everything as it was.
    void expectActionAsksAndNoKeepsItInTheTray(const std::string& verb) {
        const HWND box = WaitForMessageBox(processId());
        ASSERT_NE(box, nullptr) << "no question for " << verb;
        EXPECT_EQ(MessageBoxTitle(box), std::string("Quellar 2000"));
        EXPECT_EQ(MessageBoxText(box), "Are you sure you want to " + verb + "?");
        ASSERT_TRUE(AnswerMessageBox(box, IDNO));
        EXPECT_TRUE(session().program().running());
        EXPECT_TRUE(inTrayWithOneIcon()) << "after No to " << verb;
    }

    void SetUp() override {
        TrayFixture::SetUp();
        if (HasFatalFailure()) return;
        ASSERT_FALSE(IsChecked(control(ControlId::chkDisable))) << "an action would go ahead without asking";
        ASSERT_TRUE(minimise());
    }
};

TEST_F(TrayMenu, ListsItsItemsInOrderWithTheUsersLogOffCaption) {
    const HWND menu = openMenu();
    ASSERT_NE(menu, nullptr);
    const auto picture = pictureOf(menu, Caption(MenuId::mPopRestore));
    ASSERT_TRUE(picture) << "the menu was not drawn";
    const std::vector<std::string> expected = {Caption(MenuId::mPopRestore),  Caption(MenuId::mPopForce),
                                               Caption(MenuId::mPopDisable),  ExpectedTextAtStart(ControlId::cmdLogOff),
                                               Caption(MenuId::mPopShutdown), Caption(MenuId::mPopReboot),
                                               Caption(MenuId::mPopPowerOff), Caption(MenuId::mPopExit)};
    std::vector<MenuLine> lines;
    for (const auto& caption : expected) {
        const auto line = picture->find(caption);
        ASSERT_TRUE(line) << "\"" << caption << "\" is not drawn exactly once";
        EXPECT_FALSE(line->checked) << "\"" << caption << "\" has a mark";
        if (!lines.empty()) {
            EXPECT_GT(line->caption.top, lines.back().caption.top) << "\"" << caption << "\" out of order";
        }
        lines.push_back(*line);
    }
    // Separators after Restore and after the options, nowhere else.
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const bool expectedLine = i == 1 || i == 3;
        EXPECT_EQ(picture->separatorBetween(lines[i - 1].caption.bottom, lines[i].caption.top), expectedLine)
            << "between \"" << expected[i - 1] << "\" and \"" << expected[i] << "\"";
    }
    EXPECT_FALSE(picture->find(Caption(MenuId::mPopLogOff))) << "the designed caption is still there";
}

TEST_F(TrayMenu, RestoreShowsTheWindowWithoutItsIcon) {
    const HWND menu = openMenu();
    ASSERT_NE(menu, nullptr);
    typeIntoMenu(menu, 'r');
    EXPECT_TRUE(shownWithoutIcon());
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == window(); }, kTrayTimeoutMs)) << "not in front";
}

TEST_F(TrayMenu, ForceAndDisableToggleTheirBoxesAndMarksWithoutSaving) {
    ASSERT_TRUE(toggle('f', ControlId::chkForce, true));
    auto marks = marksInMenu();
    ASSERT_TRUE(marks);
    EXPECT_TRUE(marks->force);
    EXPECT_FALSE(marks->disable);

    ASSERT_TRUE(toggle('d', ControlId::chkDisable, true));
    marks = marksInMenu();
    ASSERT_TRUE(marks);
    EXPECT_TRUE(marks->force);
    EXPECT_TRUE(marks->disable);

    ASSERT_TRUE(toggle('f', ControlId::chkForce, false));
    marks = marksInMenu();
    ASSERT_TRUE(marks);
    EXPECT_FALSE(marks->force);
    EXPECT_TRUE(marks->disable);

    ASSERT_TRUE(toggle('d', ControlId::chkDisable, false));
    EXPECT_FALSE(IsChecked(control(ControlId::chkForce)));
    EXPECT_TRUE(inTrayWithOneIcon());
    // Start-up leaves the key, but no option in it until a save.
    EXPECT_EQ(ReadUserString(kSavedOptionsKey, "Force"), std::nullopt) << "the options were saved";
    EXPECT_EQ(ReadUserString(kSavedOptionsKey, "Disable"), std::nullopt) << "the options were saved";
}

TEST_F(TrayMenu, MarksFollowTheBoxesTickedInTheWindow) {
    notify(WM_LBUTTONDBLCLK);
    ASSERT_TRUE(shownWithoutIcon());
    Click(control(ControlId::chkForce));
    ASSERT_TRUE(WaitUntil([&] { return IsChecked(control(ControlId::chkForce)); }, kTrayTimeoutMs));
    ASSERT_TRUE(minimise());
    const auto marks = marksInMenu();
    ASSERT_TRUE(marks);
    EXPECT_TRUE(marks->force);
    EXPECT_FALSE(marks->disable);
}

TEST_F(TrayMenu, ShutDownRebootAndPowerDownAskFirstAndSave) {
    const struct {
        char letter;
        const char* verb;
    } items[] = {{'s', "shutdown"}, {'b', "reboot"}, {'p', "power down"}};
    for (const auto& item : items) {
        ASSERT_FALSE(IsChecked(control(ControlId::chkDisable)));
        const HWND menu = openMenu();
        ASSERT_NE(menu, nullptr);
        typeIntoMenu(menu, item.letter);
        expectActionAsksAndNoKeepsItInTheTray(item.verb);
    }
    // Like the buttons, the items save the options before they ask.
    expectSaved("0", "0", "0");
}

// The log-off item's caption is the user's name, which has no access key:
// it is reached with the arrow keys, up from the bottom.
TEST_F(TrayMenu, LogOffAsksFirst) {
    const HWND menu = openMenu();
    ASSERT_NE(menu, nullptr);
    constexpr int kUpFromNothingToLogOff = 5;  // Exit, Power Down, Reboot, Shut Down, the log-off item
    for (int i = 0; i < kUpFromNothingToLogOff; ++i) PostMessageA(menu, WM_KEYDOWN, VK_UP, 0);
    PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
    expectActionAsksAndNoKeepsItInTheTray("log off");
}

TEST_F(TrayMenu, ExitEndsWithoutAskingAndSavesWithMinimiseTicked) {
    ASSERT_TRUE(toggle('f', ControlId::chkForce, true));
    const HWND menu = openMenu();
    ASSERT_NE(menu, nullptr);
    typeIntoMenu(menu, 'x');
    expectEndsWithoutAsking(" after Exit");
    if (HasFatalFailure()) return;
    EXPECT_EQ(ShownTrayIconCount(), 0);
    expectSaved("1", "0", "1");
}

}  // namespace
}  // namespace e2e
