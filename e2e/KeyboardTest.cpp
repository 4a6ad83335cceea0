// The keyboard: access keys, the Tab order and typing into the seconds field.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "e2e/Controls.h"
#include "e2e/ExpectedLayout.h"
#include "e2e/Input.h"
#include "e2e/ProgramTest.h"
#include "e2e/Wait.h"

namespace e2e {
namespace {

using quellar::ControlId;

constexpr DWORD kKeyTimeoutMs = 3000;

class Keyboard : public ProgramTest {
protected:
    // The check box's access key toggles it, and toggles it back.
    void expectAccessKeyToggles(ControlId id) {
        const HWND box = control(id);
        ASSERT_NE(box, nullptr);
        const char letter = quellar::AccessKey(Row(id).text);
        ASSERT_NE(letter, 0) << Row(id).name << " has no access key";
        ASSERT_TRUE(session().bringToFront());
        // Keys go to the focused control: wait until the window has one.
        ASSERT_TRUE(
            WaitUntil([&] { return IsChild(session().mainWindow(), session().focus()) != FALSE; }, kKeyTimeoutMs));
        const bool before = IsChecked(box);
        for (const bool expected : {!before, before}) {
            PressAltLetter(letter);
            EXPECT_TRUE(WaitUntil([&] { return IsChecked(box) == expected; }, kKeyTimeoutMs))
                << "Alt+" << letter << " did not make " << Row(id).name << (expected ? " checked" : " unchecked");
        }
    }
};

TEST_F(Keyboard, AltFTogglesForce) { expectAccessKeyToggles(ControlId::chkForce); }

TEST_F(Keyboard, AltDTogglesDisableConfirmation) { expectAccessKeyToggles(ControlId::chkDisable); }

TEST_F(Keyboard, TabVisitsTheFirstPageInOrderAndReturnsToTheTabStrip) {
    ASSERT_TRUE(session().clickTab(0));
    const HWND strip = session().tabStrip();
    ASSERT_TRUE(WaitUntil([&] { return session().focus() == strip; }, kKeyTimeoutMs))
        << "clicking the tab left the focus on " << NameOfWindow(session().focus(), session().mainWindow());

    const std::vector<std::string> expected = {"cmdLogOff",  "cmdShutdown", "cmdReboot", "cmdPowerOff", "chkForce",
                                               "chkDisable", "chkMinimise", "cmdClear",  "cmdSave",     "SSTabQuellar"};
    std::vector<std::string> visited;
    HWND previous = strip;
    for (std::size_t step = 0; step < expected.size(); ++step) {
        PressKey(VK_TAB);
        WaitUntil([&] { return session().focus() != previous; }, kKeyTimeoutMs);
        previous = session().focus();
        visited.push_back(NameOfWindow(previous, session().mainWindow()));
    }
    EXPECT_EQ(visited, expected);
}

TEST_F(Keyboard, SecondsFieldRefusesASixthCharacter) {
    constexpr int kAdvancedPage = 1;
    const HWND field = control(ControlId::txtCounter);
    ASSERT_NE(field, nullptr);
    ASSERT_TRUE(session().clickTab(kAdvancedPage));
    ASSERT_TRUE(session().clickToFocus(ControlId::txtCounter));
    PressKey(VK_END);

    const auto& row = Row(ControlId::txtCounter);
    const std::string start = row.text;
    ASSERT_LT(start.size(), static_cast<std::size_t>(row.maxLength));
    const std::string full = start + std::string("67890").substr(0, row.maxLength - start.size());
    TypeText(full.substr(start.size()));
    ASSERT_TRUE(WaitUntil([&] { return TextOf(field) == full; }, kKeyTimeoutMs))
        << "typed text did not arrive; field holds \"" << TextOf(field).value_or("?") << "\"";

    // Keys are handled in order: two Backspaces after the sixth character
    // leave three characters when it was refused, four when it was taken.
    TypeText("9");
    PressKey(VK_BACK);
    PressKey(VK_BACK);
    const std::string expected = full.substr(0, full.size() - 2);
    EXPECT_TRUE(WaitUntil([&] { return TextOf(field) == expected; }, kKeyTimeoutMs))
        << "the sixth character was accepted: after two Backspaces the field holds \"" << TextOf(field).value_or("?")
        << "\"";
}

}  // namespace
}  // namespace e2e
