// Many copies started at the same moment: exactly one of them keeps running.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
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

constexpr int kCopies = 20;
// Twenty Wine processes starting together on two cores take their time.
constexpr DWORD kCrowdTimeoutMs = 75000;
constexpr ULONGLONG kAnswerAgainMs = 3000;

// Started one after another in a tight loop, or made suspended first and let
// go together, so that their starts overlap as much as they can.
class InstanceCrowd : public testing::TestWithParam<StartedCopy::Start> {};

TEST_P(InstanceCrowd, TwentyCopiesStartedAtOnceLeaveExactlyOneRunning) {
    ASSERT_TRUE(DeleteUserTree(kSettingsKey));
    std::vector<std::unique_ptr<StartedCopy>> copies;
    for (int i = 0; i < kCopies; ++i) copies.push_back(std::make_unique<StartedCopy>(GetParam()));
    for (const auto& copy : copies) ASSERT_TRUE(copy->started()) << copy->error();
    if (GetParam() == StartedCopy::Start::Suspended) {
        for (const auto& copy : copies) ASSERT_TRUE(copy->resume());
    }

    // Every box is answered once, and again should the click have been lost.
    // A copy that has loaded has decided it is the one that runs on, so the
    // crowd has settled when every copy has either ended or loaded.
    std::map<HWND, ULONGLONG> answered;
    std::set<DWORD> boxed;
    std::string otherBoxes;
    std::vector<StartedCopy*> loaded;
    int ended = 0;
    const bool settled = WaitUntil(
        [&] {
            ended = 0;
            loaded.clear();
            for (const auto& copy : copies) {
                if (!copy->running()) {
                    ++ended;
                    continue;
                }
                if (copy->loaded()) {
                    loaded.push_back(copy.get());
                    continue;
                }
                const HWND box = copy->messageBox();
                if (box == nullptr) continue;
                // A box that goes away while it is read is looked at again next time.
                const auto title = MessageBoxTitle(box);
                if (!title) continue;
                if (*title != kDuplicateTitle) {
                    if (otherBoxes.find(*title) == std::string::npos) otherBoxes += " \"" + *title + "\"";
                    continue;
                }
                boxed.insert(copy->processId());
                const auto last = answered.find(box);
                if (last != answered.end() && GetTickCount64() - last->second < kAnswerAgainMs) continue;
                answered[box] = GetTickCount64();
                Click(GetDlgItem(box, IDOK));
            }
            return ended + static_cast<int>(loaded.size()) == kCopies;
        },
        kCrowdTimeoutMs);
    ASSERT_TRUE(settled) << ended << " ended, " << loaded.size() << " loaded, " << boxed.size() << " boxes seen";
    EXPECT_TRUE(otherBoxes.empty()) << "other boxes:" << otherBoxes;
    ASSERT_EQ(loaded.size(), 1u) << "copies running on";
    EXPECT_EQ(ended, kCopies - 1);

    for (const auto& copy : copies) {
        if (copy->running()) continue;
        EXPECT_EQ(copy->exitCode(), 0u) << "process " << copy->processId();
        EXPECT_EQ(boxed.count(copy->processId()), 1u) << "process " << copy->processId() << " ended without a box";
    }
    StartedCopy& survivor = *loaded.front();
    EXPECT_EQ(boxed.count(survivor.processId()), 0u) << "the copy left running said it was a duplicate";
    const HWND main = survivor.mainWindow();
    EXPECT_TRUE(IsWindowVisible(main));
    EXPECT_EQ(TextOf(main), std::string(quellar::Form().caption));
    EXPECT_EQ(AppTitleOf(survivor.processId()), "Quellar");

    // No duplicate stored anything: only the keys the survivor's start made are there.
    const RegistryPicture expected = {{"\\", {}}, {"\\Startup\\", {}}};
    EXPECT_EQ(PictureOf(kSettingsKey), expected);
}

INSTANTIATE_TEST_SUITE_P(Starts, InstanceCrowd,
                         testing::Values(StartedCopy::Start::Running, StartedCopy::Start::Suspended),
                         [](const testing::TestParamInfo<StartedCopy::Start>& info) {
                             return std::string(info.param == StartedCopy::Start::Running ? "InATightLoop"
                                                                                          : "LetGoTogether");
                         });

}  // namespace
}  // namespace e2e
