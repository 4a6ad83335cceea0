// Closing the window: the options are saved before anything else; a shown
// window asks whether to quit (Yes) or go to the tray (No), unless Disable
// is ticked; a window in the tray goes quietly. What stays behind in the
// tray is counted each time.
#include <gtest/gtest.h>

#include <string>

#include "e2e/Controls.h"
#include "e2e/MessageBoxes.h"
#include "e2e/Registry.h"
#include "e2e/TrayFixture.h"

namespace e2e {
namespace {

using quellar::ControlId;

constexpr const char* kQuestion = "Click Yes to quit Quellar 2000, or No to minimise it.";
constexpr DWORD kSecondCloseMs = 500;

struct DialogCount {
    DWORD processId;
    int count;
};

BOOL CALLBACK CountDialog(HWND hwnd, LPARAM param) {
    auto* query = reinterpret_cast<DialogCount*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner == query->processId && IsWindowVisible(hwnd) && ClassOf(hwnd) == kDialogClass) ++query->count;
    return TRUE;
}

class ClosingTray : public TrayFixture {
protected:
    // Posts WM_CLOSE and returns the question box.
    HWND closeAndGetQuestion() {
        PostMessageA(window(), WM_CLOSE, 0, 0);
        const HWND box = WaitForMessageBox(processId());
        if (box != nullptr) {
            EXPECT_EQ(MessageBoxTitle(box), std::string("Exit Quellar 2000"));
            EXPECT_EQ(MessageBoxText(box), std::string(kQuestion));
        }
        return box;
    }

    int visibleDialogs() {
        DialogCount query{processId(), 0};
        EnumWindows(CountDialog, reinterpret_cast<LPARAM>(&query));
        return query.count;
    }
};

TEST_F(ClosingTray, NoSavesFirstThenHidesTheWindowBehindOneIcon) {
    ASSERT_NO_FATAL_FAILURE(tick(ControlId::chkForce));
    const HWND box = closeAndGetQuestion();
    ASSERT_NE(box, nullptr) << "no question";
    expectSaved("1", "0", "0");
    ASSERT_TRUE(AnswerMessageBox(box, IDNO));
    EXPECT_TRUE(inTrayWithOneIcon());
    EXPECT_TRUE(session().program().running());
    notify(WM_LBUTTONDBLCLK);
    EXPECT_TRUE(shownWithoutIcon()) << "it does not come back from the tray";
}

TEST_F(ClosingTray, YesSavesFirstThenEndsWithNoIcon) {
    ASSERT_NO_FATAL_FAILURE(tick(ControlId::chkForce));
    const HWND box = closeAndGetQuestion();
    ASSERT_NE(box, nullptr) << "no question";
    expectSaved("1", "0", "0");
    ASSERT_TRUE(AnswerMessageBox(box, IDYES));
    Program& program = session().program();
    ASSERT_TRUE(program.waitForExit(kTrayTimeoutMs)) << "still running after Yes";
    EXPECT_EQ(program.exitCode(), 0u);
    EXPECT_EQ(ShownTrayIconCount(), 0);
}

TEST_F(ClosingTray, WithDisableTickedItSavesAndEndsWithoutAsking) {
    ASSERT_NO_FATAL_FAILURE(tick(ControlId::chkForce));
    ASSERT_NO_FATAL_FAILURE(tick(ControlId::chkDisable));
    PostMessageA(window(), WM_CLOSE, 0, 0);
    expectEndsWithoutAsking();
    expectSaved("1", "1", "0");
}

TEST_F(ClosingTray, FromTheTrayItSavesMinimiseAndEndsWithoutAsking) {
    ASSERT_TRUE(minimise());
    PostMessageA(window(), WM_CLOSE, 0, 0);
    expectEndsWithoutAsking();
    expectSaved("0", "0", "1");
}

TEST_F(ClosingTray, ASecondCloseWhileAskingAsksNoMore) {
    const HWND box = closeAndGetQuestion();
    ASSERT_NE(box, nullptr) << "no question";
    PostMessageA(window(), WM_CLOSE, 0, 0);
    Settle(kSecondCloseMs);
    EXPECT_EQ(visibleDialogs(), 1);
    ASSERT_TRUE(AnswerMessageBox(box, IDNO));
    EXPECT_TRUE(inTrayWithOneIcon());
    EXPECT_TRUE(session().program().running());
}

}  // namespace
}  // namespace e2e
