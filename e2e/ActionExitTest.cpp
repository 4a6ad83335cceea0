// The actions reaching Windows. Under Wine each one ends processes of the
// whole prefix (with Force the driver as well), so these run only when
// run-action.sh starts the driver alone in a prefix of its own
// (QUELLAR_OWN_PREFIX=1). Everything that can be seen before the action is
// checked here; the script reads the program's relay trace afterwards. Each
// run prints the program's pid and a line just before it acts.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "e2e/Controls.h"
#include "e2e/CountdownSteps.h"
#include "e2e/Handles.h"
#include "e2e/MessageBoxes.h"
#include "e2e/Options.h"
#include "e2e/Program.h"
#include "e2e/Registry.h"
#include "e2e/Session.h"
#include "e2e/Wait.h"

namespace e2e {
namespace {

using quellar::ControlId;
namespace adv = advanced;

constexpr DWORD kEndTimeoutMs = 15000;
constexpr DWORD kCountdownEndTimeoutMs = (19 + 30) * 1000;
const std::string kStartupKey = std::string(kSettingsKey) + "\\Startup";

bool InOwnPrefix() {
    const char* flag = std::getenv("QUELLAR_OWN_PREFIX");
    return flag != nullptr && std::string(flag) == "1";
}

bool WriteUserString(const std::string& subKey, const std::string& name, const std::string& value) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, subKey.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return false;
    const UniqueRegKey owner(key);
    return RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

// Wine's debug channels for the program alone: a child takes WINEDEBUG from
// the environment it is given, and the driver's own is put back afterwards.
class ChildDebugChannels {
public:
    explicit ChildDebugChannels(const char* channels) {
        char old[256] = {};
        const DWORD length = GetEnvironmentVariableA("WINEDEBUG", old, sizeof old);
        had_ = length > 0 && length < sizeof old;
        if (had_) old_ = old;
        if (channels != nullptr) SetEnvironmentVariableA("WINEDEBUG", channels);
    }
    ~ChildDebugChannels() { SetEnvironmentVariableA("WINEDEBUG", had_ ? old_.c_str() : nullptr); }
    ChildDebugChannels(const ChildDebugChannels&) = delete;
    ChildDebugChannels& operator=(const ChildDebugChannels&) = delete;

private:
    bool had_ = false;
    std::string old_;
};

// Flushed at once: the action may end the driver right after.
void Say(const std::string& line) {
    std::printf("ActionExit: %s\n", line.c_str());
    std::fflush(stdout);
}

class ActionExit : public testing::Test {
protected:
    void SetUp() override {
        if (!InOwnPrefix())
            GTEST_SKIP() << "ends the prefix's processes: run by e2e/run-action.sh in a prefix of its own";
    }

    HWND control(ControlId id) { return adv::Control(*program_, id); }

    // Starts the program with these options stored, and checks it shows them.
    void start(const std::string& disable, const std::string& force) {
        ASSERT_TRUE(DeleteUserTree(kSettingsKey));
        ASSERT_TRUE(WriteUserString(kStartupKey, "Disable", disable));
        ASSERT_TRUE(WriteUserString(kStartupKey, "Force", force));
        {
            const ChildDebugChannels channels(std::getenv("QUELLAR_PROGRAM_WINEDEBUG"));
            program_ = std::make_unique<Program>(GetOptions().programPath);
        }
        ASSERT_TRUE(program_->ok()) << program_->error();
        char pid[16];
        std::snprintf(pid, sizeof pid, "%04lx", static_cast<unsigned long>(program_->processId()));
        Say(std::string("program pid ") + pid);
        ASSERT_EQ(IsChecked(control(ControlId::chkDisable)), disable == "1");
        ASSERT_EQ(IsChecked(control(ControlId::chkForce)), force == "1");
        ASSERT_EQ(FindTopLevel(program_->processId(), kDialogClass), nullptr) << "a message box at start";
    }

    void pressButton(ControlId id) {
        const HWND button = control(id);
        ASSERT_NE(button, nullptr);
        ASSERT_TRUE(IsWindowVisible(button) && IsWindowEnabled(button)) << Row(id).name << " cannot be pressed";
        Say(std::string("acting now: ") + Row(id).name);
        Click(button);
    }

    // The program must end by itself; a question on the way is a failure
    // (answered No, so that it does not act).
    void expectEndsWithoutQuestion(DWORD timeoutMs) {
        bool asked = false;
        const bool ended = WaitUntil(
            [&] {
                const HWND box = FindTopLevel(program_->processId(), kDialogClass);
                if (box != nullptr) {
                    asked = true;
                    AnswerMessageBox(box, IDNO);
                }
                return !program_->running();
            },
            timeoutMs);
        EXPECT_FALSE(asked) << "a message box came up";
        ASSERT_TRUE(ended) << "the program did not end";
        EXPECT_EQ(program_->exitCode(), 0u);
        Say("program ended");
    }

    // Disable stored "1": a click acts at once.
    void pressWithoutQuestion(ControlId id, const std::string& force) {
        ASSERT_NO_FATAL_FAILURE(start("1", force));
        ASSERT_NO_FATAL_FAILURE(pressButton(id));
        expectEndsWithoutQuestion(kEndTimeoutMs);
    }

    std::unique_ptr<Program> program_;
};

TEST_F(ActionExit, LogOff) { pressWithoutQuestion(ControlId::cmdLogOff, "0"); }
TEST_F(ActionExit, Shutdown) { pressWithoutQuestion(ControlId::cmdShutdown, "0"); }
TEST_F(ActionExit, Reboot) { pressWithoutQuestion(ControlId::cmdReboot, "0"); }
TEST_F(ActionExit, PowerDown) { pressWithoutQuestion(ControlId::cmdPowerOff, "0"); }
TEST_F(ActionExit, LogOffForced) { pressWithoutQuestion(ControlId::cmdLogOff, "1"); }
TEST_F(ActionExit, ShutdownForced) { pressWithoutQuestion(ControlId::cmdShutdown, "1"); }

TEST_F(ActionExit, LogOffAfterYes) {
    ASSERT_NO_FATAL_FAILURE(start("0", "0"));
    Click(control(ControlId::cmdLogOff));
    const HWND box = WaitForMessageBox(program_->processId());
    ASSERT_NE(box, nullptr) << "no question";
    ASSERT_EQ(MessageBoxText(box), std::string("Are you sure you want to log off?"));
    Say("acting now: Yes");
    ASSERT_TRUE(AnswerMessageBox(box, IDYES));
    expectEndsWithoutQuestion(kEndTimeoutMs);
}

// Disable clear: reaching zero ticks it, so the action asks nothing, and
// the action's handler saves it.
TEST_F(ActionExit, CountdownLogOff) {
    ASSERT_NO_FATAL_FAILURE(start("0", "0"));
    ASSERT_TRUE(adv::ShowPage(*program_));
    ASSERT_TRUE(adv::ChooseWithArrows(*program_, adv::kLogOff));
    ASSERT_TRUE(adv::TypeOver(*program_, ControlId::txtCounter, "19"));
    ASSERT_TRUE(adv::Enabled(*program_, ControlId::cmdStart));
    Say("acting now: cmdStart");
    ASSERT_TRUE(adv::ClickAndWait(control(ControlId::cmdStart)));
    expectEndsWithoutQuestion(kCountdownEndTimeoutMs);
    EXPECT_EQ(ReadUserString(kStartupKey, "Disable"), std::string("1"));
}

}  // namespace
}  // namespace e2e
