// The four action buttons ask first: the question's words and buttons, the
// options saved before it, and No leaving the program as it was. A Yes here
// would end the shared prefix; run-action.sh covers Yes in a prefix of its own.
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

#include "e2e/Controls.h"
#include "e2e/MessageBoxes.h"
#include "e2e/ProgramTest.h"
#include "e2e/Registry.h"
#include "e2e/Wait.h"

namespace e2e {
namespace {

using quellar::ControlId;

constexpr DWORD kReactTimeoutMs = 3000;
// Long enough for an action the No failed to stop to show itself.
constexpr DWORD kAfterNoMs = 1500;

struct Button {
    ControlId id;
    const char* verb;
};

void PrintTo(const Button& button, std::ostream* out) { *out << Row(button.id).name; }

const std::string kStartupKey = std::string(kSettingsKey) + "\\Startup";

std::string WithoutAccessKey(const std::string& caption) {
    std::string text;
    for (const char c : caption) {
        if (c != '&') text += c;
    }
    return text;
}

class ActionQuestion : public ProgramTest, public testing::WithParamInterface<Button> {
protected:
    HWND button() { return control(GetParam().id); }
    DWORD processId() { return session().program().processId(); }

    // Force ticked on the screen only, so that a save shows in the registry.
    void tickForce() {
        const HWND force = control(ControlId::chkForce);
        ASSERT_NE(force, nullptr);
        ASSERT_EQ(ReadUserString(kStartupKey, "Force"), std::nullopt) << "options were stored before the test";
        Click(force);
        ASSERT_TRUE(WaitUntil([&] { return IsChecked(force); }, kReactTimeoutMs)) << "a click did not tick Force";
    }
    void expectOptionsSaved() {
        EXPECT_EQ(ReadUserString(kStartupKey, "Force"), std::string("1"));
        EXPECT_EQ(ReadUserString(kStartupKey, "Disable"), std::string("0"));
        EXPECT_EQ(ReadUserString(kStartupKey, "Minimise"), std::string("0"));
    }
};

TEST_P(ActionQuestion, AsksYesOrNoWithItsVerb) {
    ASSERT_NE(button(), nullptr);
    Click(button());
    const HWND box = WaitForMessageBox(processId());
    ASSERT_NE(box, nullptr) << "no question after a click on " << Row(GetParam().id).name;
    EXPECT_EQ(MessageBoxTitle(box), std::string("Quellar 2000"));
    EXPECT_EQ(MessageBoxText(box), "Are you sure you want to " + std::string(GetParam().verb) + "?");
    const HWND yes = GetDlgItem(box, IDYES);
    const HWND no = GetDlgItem(box, IDNO);
    ASSERT_NE(yes, nullptr) << "no Yes button";
    ASSERT_NE(no, nullptr) << "no No button";
    EXPECT_EQ(WithoutAccessKey(TextOf(yes).value_or("")), "Yes");
    EXPECT_EQ(WithoutAccessKey(TextOf(no).value_or("")), "No");
    for (const int other : {IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE}) {
        const HWND extra = GetDlgItem(box, other);
        EXPECT_TRUE(extra == nullptr || !IsWindowVisible(extra)) << "an extra button with id " << other;
    }
    ASSERT_TRUE(AnswerMessageBox(box, IDNO));
}

TEST_P(ActionQuestion, SavesTheOptionsBeforeAsking) {
    ASSERT_NO_FATAL_FAILURE(tickForce());
    Click(button());
    const HWND box = WaitForMessageBox(processId());
    ASSERT_NE(box, nullptr) << "no question";
    expectOptionsSaved();
    ASSERT_TRUE(AnswerMessageBox(box, IDNO));
}

TEST_P(ActionQuestion, NoKeepsTheProgramRunningWithItsWindow) {
    ASSERT_NO_FATAL_FAILURE(tickForce());
    Program& program = session().program();
    Click(button());
    const HWND box = WaitForMessageBox(processId());
    ASSERT_NE(box, nullptr) << "no question";
    ASSERT_TRUE(AnswerMessageBox(box, IDNO));
    Settle(kAfterNoMs);
    ASSERT_TRUE(program.running()) << "ended after No (exit code " << program.exitCode() << ")";
    EXPECT_TRUE(IsWindow(session().mainWindow()));
    EXPECT_TRUE(IsWindowVisible(session().mainWindow()));
    EXPECT_EQ(FindTopLevel(processId(), kDialogClass), nullptr) << "another box came up after No";
    EXPECT_TRUE(IsWindowEnabled(session().mainWindow())) << "the window is still disabled as if a box were open";
    EXPECT_TRUE(IsChecked(control(ControlId::chkForce)));
    expectOptionsSaved();
}

INSTANTIATE_TEST_SUITE_P(Buttons, ActionQuestion,
                         testing::Values(Button{ControlId::cmdLogOff, "log off"},
                                         Button{ControlId::cmdShutdown, "shutdown"},
                                         Button{ControlId::cmdReboot, "reboot"},
                                         Button{ControlId::cmdPowerOff, "power down"}),
                         [](const testing::TestParamInfo<Button>& info) { return Row(info.param.id).name; });

}  // namespace
}  // namespace e2e
