// A second copy started while the first runs: it says so in a box, leaves the
// first copy and its stored options alone, and ends.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "e2e/Controls.h"
#include "e2e/MessageBoxes.h"
#include "e2e/Registry.h"
#include "e2e/StartupCopies.h"
#include "e2e/StartupRegistry.h"
#include "e2e/Wait.h"

namespace e2e {
namespace {

using quellar::ControlId;

constexpr DWORD kBoxTimeoutMs = 15000;
constexpr DWORD kEndTimeoutMs = 10000;
constexpr const char* kDuplicateText =
    "There is another instance of this program already running.\r"
    "If Quellar 2000 does not display immediately, please check\r"
    "the system tray (next to the clock) for its icon.";

class Instance : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(DeleteUserTree(kSettingsKey));
        // Disable is stored, so the first copy also closes without asking.
        ASSERT_TRUE(WriteUserValue(StartupSection(), "Disable", Text("1")));
    }

    // The first copy, loaded; with inTray it starts minimised to the tray.
    HWND startFirst(bool inTray) {
        if (inTray) {
            EXPECT_TRUE(WriteUserValue(StartupSection(), "Minimise", Text("1")));
        }
        first_ = std::make_unique<StartedCopy>();
        EXPECT_TRUE(first_->started()) << first_->error();
        const HWND main = first_->waitUntilLoaded();
        EXPECT_NE(main, nullptr) << "the first copy did not finish loading";
        return main;
    }

    // A second copy and the box it shows, or null.
    HWND startSecond() {
        second_ = std::make_unique<StartedCopy>();
        EXPECT_TRUE(second_->started()) << second_->error();
        const HWND box = WaitForMessageBox(second_->processId(), kBoxTimeoutMs);
        EXPECT_NE(box, nullptr) << "no box from the second copy (running: " << second_->running() << ")";
        return box;
    }

    StartedCopy& first() { return *first_; }
    StartedCopy& second() { return *second_; }

    // The second copy goes first, so that it never finds the first one gone.
    void TearDown() override {
        second_.reset();
        first_.reset();
    }

private:
    std::unique_ptr<StartedCopy> first_;
    std::unique_ptr<StartedCopy> second_;
};

TEST_F(Instance, TheSecondCopySaysSoInABoxWithOnlyOk) {
    ASSERT_NE(startFirst(false), nullptr);
    const HWND box = startSecond();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxTitle(box), std::string(kDuplicateTitle));
    EXPECT_EQ(MessageBoxText(box), std::string(kDuplicateText));
    EXPECT_EQ(ShownButtons(box), std::vector<int>{IDOK});
    EXPECT_EQ(TextOf(GetDlgItem(box, IDOK)), std::string("OK"));
    EXPECT_EQ(first().messageBox(), nullptr) << "the first copy asks something too";
}

TEST_F(Instance, WhileItAsksTheSecondCopyGoesByAnotherNameAndShowsNoWindow) {
    const HWND main = startFirst(false);
    ASSERT_NE(main, nullptr);
    ASSERT_NE(startSecond(), nullptr);
    const HWND secondMain = second().mainWindow();
    ASSERT_NE(secondMain, nullptr);
    EXPECT_EQ(AppTitleOf(second().processId()), "Duplicate instance.");
    EXPECT_EQ(TextOf(secondMain), std::string("... Duplicate instance."));
    EXPECT_FALSE(IsWindowVisible(secondMain));
    EXPECT_EQ(AppTitleOf(first().processId()), "Quellar");
    EXPECT_EQ(TextOf(main), std::string(quellar::Form().caption));
}

TEST_F(Instance, AfterOkTheSecondCopyEndsAndTheFirstRunsOnUnchanged) {
    const HWND main = startFirst(false);
    ASSERT_NE(main, nullptr);
    // Ticked on the screen only: a save by either copy would store it.
    const HWND force = first().control(ControlId::chkForce);
    Click(force);
    ASSERT_TRUE(WaitUntil([&] { return IsChecked(force); }, kEndTimeoutMs));
    const RegistryPicture before = PictureOf(kSettingsKey);
    ASSERT_EQ(before.count("\\Startup\\Disable"), 1u);
    ASSERT_EQ(before.count("\\Startup\\Force"), 0u);

    const HWND box = startSecond();
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(AnswerMessageBox(box, IDOK));
    ASSERT_TRUE(second().waitForExit(kEndTimeoutMs)) << "the second copy still runs after OK";
    EXPECT_EQ(second().exitCode(), 0u);

    EXPECT_EQ(PictureOf(kSettingsKey), before) << "the stored options changed";
    ASSERT_TRUE(first().running());
    EXPECT_TRUE(IsWindowVisible(main));
    EXPECT_FALSE(IsIconic(main));
    EXPECT_EQ(TextOf(main), std::string(quellar::Form().caption));
    EXPECT_EQ(AppTitleOf(first().processId()), "Quellar");
    EXPECT_TRUE(IsChecked(force));
    EXPECT_FALSE(TrayIconPresent(main));
}

TEST_F(Instance, AFirstCopyInTheTrayStaysThere) {
    const HWND main = startFirst(true);
    ASSERT_NE(main, nullptr);
    ASSERT_FALSE(IsWindowVisible(main));
    ASSERT_TRUE(TrayIconPresent(main));
    const RegistryPicture before = PictureOf(kSettingsKey);

    const HWND box = startSecond();
    ASSERT_NE(box, nullptr);
    EXPECT_FALSE(IsWindowVisible(main)) << "shown while the second copy asks";
    ASSERT_TRUE(AnswerMessageBox(box, IDOK));
    ASSERT_TRUE(second().waitForExit(kEndTimeoutMs)) << "the second copy still runs after OK";

    EXPECT_EQ(PictureOf(kSettingsKey), before) << "the stored options changed";
    ASSERT_TRUE(first().running());
    EXPECT_FALSE(IsWindowVisible(main));
    EXPECT_TRUE(IsIconic(main));
    EXPECT_TRUE(TrayIconPresent(main));
}

// A window of the driver's own, laid over the first copy.
class Cover {
public:
    explicit Cover(HWND over) {
        RECT rect{};
        GetWindowRect(over, &rect);
        hwnd_ = CreateWindowExA(0, "STATIC", "Cover", WS_OVERLAPPEDWINDOW | WS_VISIBLE, rect.left, rect.top,
                                rect.right - rect.left, rect.bottom - rect.top, nullptr, nullptr, nullptr, nullptr);
    }
    ~Cover() {
        if (hwnd_ != nullptr) DestroyWindow(hwnd_);
    }
    Cover(const Cover&) = delete;
    Cover& operator=(const Cover&) = delete;
    HWND get() const { return hwnd_; }

private:
    HWND hwnd_ = nullptr;
};

// True when upper lies above lower among the top-level windows.
bool IsAbove(HWND upper, HWND lower) {
    for (HWND hwnd = GetWindow(upper, GW_HWNDNEXT); hwnd != nullptr; hwnd = GetWindow(hwnd, GW_HWNDNEXT)) {
        if (hwnd == lower) return true;
    }
    return false;
}

TEST_F(Instance, AShownFirstCopyIsBroughtAboveWhatCoveredIt) {
    const HWND main = startFirst(false);
    ASSERT_NE(main, nullptr);
    const Cover cover(main);
    ASSERT_NE(cover.get(), nullptr);
    ASSERT_TRUE(WaitUntil([&] { return IsAbove(cover.get(), main); }, kEndTimeoutMs)) << "the cover stayed beneath";

    ASSERT_NE(startSecond(), nullptr);
    EXPECT_TRUE(WaitUntil([&] { return IsAbove(main, cover.get()); }, kEndTimeoutMs))
        << "the first copy was not brought forward";
}

}  // namespace
}  // namespace e2e
