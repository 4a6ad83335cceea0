// The Advanced tab's countdown: choosing from the list with real input, the
// limits Start puts on the seconds, Abort, and a run down to zero. Every
// countdown here has a list text that names no action, so zero ends nothing.
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "e2e/Controls.h"
#include "e2e/CountdownSteps.h"
#include "e2e/MessageBoxes.h"
#include "e2e/ProgramTest.h"
#include "e2e/Wait.h"

namespace e2e {
namespace {

using quellar::ControlId;
namespace adv = advanced;

constexpr DWORD kTickTimeoutMs = 5000;  // one tick, with room for a busy machine
// Start arms the first tick a second after it ran: a text read sooner
// cannot have been lowered yet.
constexpr ULONGLONG kBeforeFirstTickMs = 900;

std::optional<int> AsNumber(const std::optional<std::string>& text) {
    if (!text || text->empty() || text->find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
    return std::stoi(*text);
}

class Countdown : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        if (HasFatalFailure()) return;
        ASSERT_TRUE(adv::ShowPage(program()));
    }
    const Program& program() { return session().program(); }
    HWND field() { return control(ControlId::txtCounter); }
    std::optional<std::string> shown() { return TextOf(field()); }

    testing::AssertionResult expectRunning() {
        auto result =
            adv::AllEnabledAre(program(), {ControlId::cmdStart, ControlId::txtCounter, ControlId::lstAdvanced}, false);
        if (result) result = adv::AllEnabledAre(program(), {ControlId::cmdAbort}, true);
        return result;
    }
    testing::AssertionResult expectStopped() {
        auto result =
            adv::AllEnabledAre(program(), {ControlId::cmdStart, ControlId::txtCounter, ControlId::lstAdvanced}, true);
        if (result) result = adv::AllEnabledAre(program(), {ControlId::cmdAbort}, false);
        return result;
    }
};

TEST_F(Countdown, TheListOffersThePlaceholderAndTheFourActionsInOrder) {
    const HWND list = control(ControlId::lstAdvanced);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(Ask(list, CB_GETCOUNT), adv::kItemCount);
    // Each item, chosen in turn, shows its own text.
    for (int item = 0; item < adv::kItemCount; ++item) EXPECT_TRUE(adv::ChooseWithArrows(program(), item));
}

// Each choice differs from the one before in whether it names an action, so
// a program that read the field's old text would switch the wrong way.
TEST_F(Countdown, ArrowKeysChooseAndTheProgramReadsTheChosenItem) {
    const auto follow = adv::FollowTheChoice();
    for (const int item : {adv::kLogOff, adv::kPlaceholder, adv::kLogOff, adv::kPlaceholder}) {
        ASSERT_TRUE(adv::ChooseWithArrows(program(), item));
        const bool action = item != adv::kPlaceholder;
        EXPECT_TRUE(adv::AllEnabledAre(program(), follow, action)) << "after choosing " << adv::kItems[item];
        EXPECT_TRUE(adv::Enabled(program(), ControlId::lstAdvanced)) << "the list must stay usable";
    }
}

TEST_F(Countdown, TheMouseChoosesAndTheProgramReadsTheChosenItem) {
    const auto follow = adv::FollowTheChoice();
    ASSERT_TRUE(adv::ChooseWithArrows(program(), adv::kPlaceholder));
    ASSERT_TRUE(adv::AllEnabledAre(program(), follow, false));
    for (const int item : {adv::kShutdown, adv::kPlaceholder}) {
        ASSERT_TRUE(adv::ChooseWithMouse(program(), item));
        EXPECT_TRUE(adv::AllEnabledAre(program(), follow, item != adv::kPlaceholder))
            << "after choosing " << adv::kItems[item];
        EXPECT_TRUE(adv::Enabled(program(), ControlId::lstAdvanced)) << "the list must stay usable";
    }
}

struct Limit {
    const char* entered;
    const char* afterStart;
};

void PrintTo(const Limit& limit, std::ostream* out) { *out << "\"" << limit.entered << "\""; }

class CountdownLimits : public Countdown, public testing::WithParamInterface<Limit> {};

TEST_P(CountdownLimits, StartKeepsTheSecondsWithinRange) {
    const std::string entered = GetParam().entered;
    const int maxLength = Row(ControlId::txtCounter).maxLength;
    if (entered.size() <= static_cast<std::size_t>(maxLength)) {
        ASSERT_TRUE(adv::PrepareHarmlessCountdown(program(), entered));
    } else {
        // Too long to type: set from outside, as the program itself could.
        ASSERT_TRUE(adv::PrepareHarmlessCountdown(program(), "20"));
        ASSERT_TRUE(adv::SetTextFromOutside(field(), entered));
        ASSERT_EQ(shown(), entered);
    }
    const ULONGLONG before = GetTickCount64();
    ASSERT_TRUE(adv::ClickAndWait(control(ControlId::cmdStart))) << "Start did not answer";
    const auto text = shown();
    const ULONGLONG elapsed = GetTickCount64() - before;
    const std::string expected = GetParam().afterStart;
    if (elapsed < kBeforeFirstTickMs) {
        EXPECT_EQ(text, expected) << "entered \"" << entered << "\"";
    } else {
        // The driver was slow enough for a tick to come first.
        EXPECT_TRUE(text == expected || AsNumber(text) == std::stoi(expected) - 1)
            << "entered \"" << entered << "\", read " << adv::Quoted(text) << " " << elapsed << " ms after Start";
    }
    EXPECT_TRUE(expectRunning());
    Click(control(ControlId::cmdAbort));
    EXPECT_TRUE(expectStopped());
}

INSTANTIATE_TEST_SUITE_P(Seconds, CountdownLimits,
                         testing::Values(Limit{"0", "20"}, Limit{"5", "20"}, Limit{"18", "20"}, Limit{"19", "19"},
                                         Limit{"86400", "86400"}, Limit{"86401", "86400"}, Limit{"100000", "86400"}),
                         [](const testing::TestParamInfo<Limit>& info) {
                             return std::string("Entered") + info.param.entered;
                         });

TEST_F(Countdown, AbortWrites21AndEnablesTheInputsAgain) {
    ASSERT_TRUE(adv::PrepareHarmlessCountdown(program(), "30"));
    ASSERT_TRUE(adv::ClickAndWait(control(ControlId::cmdStart)));
    ASSERT_TRUE(expectRunning());
    ASSERT_TRUE(WaitUntil(
        [&] {
            const auto value = AsNumber(shown());
            return value && *value < 30;
        },
        kTickTimeoutMs))
        << "no tick: the box still shows " << adv::Quoted(shown());

    Click(control(ControlId::cmdAbort));
    EXPECT_TRUE(WaitUntil([&] { return shown() == std::string("21"); }, kTickTimeoutMs))
        << "after Abort the box shows " << adv::Quoted(shown());
    EXPECT_TRUE(expectStopped());
    // Stopped for good: no further tick lowers the 21.
    constexpr DWORD kTwoTicksMs = 2500;
    Settle(kTwoTicksMs);
    EXPECT_EQ(shown(), std::string("21"));
}

TEST_F(Countdown, NineteenSecondsRunDownToZeroAndStopWithoutActing) {
    const HWND disable = control(ControlId::chkDisable);
    ASSERT_FALSE(IsChecked(disable));
    ASSERT_TRUE(adv::PrepareHarmlessCountdown(program(), "19"));

    std::vector<std::string> seen{shown().value_or("?")};
    const ULONGLONG started = GetTickCount64();
    ASSERT_TRUE(adv::ClickAndWait(control(ControlId::cmdStart)));
    constexpr DWORD kRunTimeoutMs = (19 + 30) * 1000;
    const bool zero = WaitUntil(
        [&] {
            const auto text = shown();
            if (text && *text != seen.back()) seen.push_back(*text);
            return text == std::string("0");
        },
        kRunTimeoutMs);
    const ULONGLONG took = GetTickCount64() - started;
    std::string trail;
    for (const auto& value : seen) trail += " " + value;
    ASSERT_TRUE(zero) << "did not reach 0; the box showed" << trail;

    // Every change lowers the count by at least one, from 19 (no jump to 20).
    EXPECT_EQ(seen.front(), "19");
    for (std::size_t i = 1; i < seen.size(); ++i) {
        const auto previous = AsNumber(seen[i - 1]);
        const auto current = AsNumber(seen[i]);
        ASSERT_TRUE(previous && current) << "not a count:" << trail;
        EXPECT_LT(*current, *previous) << "the count went up:" << trail;
    }
    // Ticks are a second apart, not faster: 19 of them cannot fit in 17 s.
    constexpr ULONGLONG kFewestMs = 17000;
    EXPECT_GE(took, kFewestMs) << "19 ticks in " << took << " ms:" << trail;

    EXPECT_TRUE(WaitUntil([&] { return IsChecked(disable); }, adv::kReactTimeoutMs)) << "Disable was not ticked at 0";
    EXPECT_TRUE(adv::AllEnabledAre(program(), {ControlId::cmdStart}, false));
    EXPECT_TRUE(adv::AllEnabledAre(program(), {ControlId::cmdAbort}, true));
    EXPECT_EQ(TextOf(control(ControlId::lstAdvanced)), std::string(adv::kNoAction));
    // Nothing to act on: no question, and the program stays.
    constexpr DWORD kLookMs = 1500;
    Settle(kLookMs);
    EXPECT_EQ(FindTopLevel(program().processId(), kDialogClass), nullptr) << "a message box came up";
    EXPECT_TRUE(session().program().running());
    EXPECT_EQ(shown(), std::string("0"));
}

}  // namespace
}  // namespace e2e
