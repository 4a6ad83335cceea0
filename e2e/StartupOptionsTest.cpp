// Save and Clear: what ticking the options and pressing the buttons leaves
// in the registry, exactly (text values "1" and "0").
#include <gtest/gtest.h>

#include <string>

#include "e2e/Controls.h"
#include "e2e/Input.h"
#include "e2e/ProgramTest.h"
#include "e2e/StartupRegistry.h"
#include "e2e/Wait.h"

namespace e2e {
namespace {

using quellar::ControlId;

constexpr DWORD kReactTimeoutMs = 5000;

class StartupOptions : public ProgramTest {
protected:
    void setTicked(ControlId id, bool ticked) {
        const HWND box = control(id);
        ASSERT_NE(box, nullptr);
        if (IsChecked(box) != ticked) Click(box);
        ASSERT_TRUE(WaitUntil([&] { return IsChecked(box) == ticked; }, kReactTimeoutMs)) << Row(id).name;
    }
    // Waits until the three values are stored as given, then compares them.
    void expectStored(const char* force, const char* disable, const char* minimise) {
        const auto stored = [](const char* name) { return ReadUserValue(StartupSection(), name); };
        WaitUntil(
            [&] {
                return stored("Force") == Text(force) && stored("Disable") == Text(disable) &&
                       stored("Minimise") == Text(minimise);
            },
            kReactTimeoutMs);
        EXPECT_EQ(stored("Force"), Text(force));
        EXPECT_EQ(stored("Disable"), Text(disable));
        EXPECT_EQ(stored("Minimise"), Text(minimise));
    }
};

TEST_F(StartupOptions, SaveByItsAccessKeyStoresTheTickedOptions) {
    setTicked(ControlId::chkForce, true);
    setTicked(ControlId::chkMinimise, true);
    ASSERT_FALSE(ReadUserValue(StartupSection(), "Force")) << "stored before Save";
    ASSERT_TRUE(session().bringToFront());
    PressAltLetter('v');
    expectStored("1", "0", "1");
}

TEST_F(StartupOptions, SaveByAClickStoresDisableAlone) {
    ASSERT_TRUE(session().bringToFront());
    PressAltLetter('d');
    ASSERT_TRUE(WaitUntil([&] { return IsChecked(control(ControlId::chkDisable)); }, kReactTimeoutMs))
        << "Alt+D did not tick Disable";
    Click(control(ControlId::cmdSave));
    expectStored("0", "1", "0");
}

TEST_F(StartupOptions, ClearUnticksAllAndStoresZeroForEachRemovingNothing) {
    for (const auto id : {ControlId::chkForce, ControlId::chkDisable, ControlId::chkMinimise}) setTicked(id, true);
    Click(control(ControlId::cmdSave));
    expectStored("1", "1", "1");
    ASSERT_TRUE(WriteUserValue(StartupSection(), "Other", Text("kept")));

    Click(control(ControlId::cmdClear));
    for (const auto id : {ControlId::chkForce, ControlId::chkDisable, ControlId::chkMinimise}) {
        EXPECT_TRUE(WaitUntil([&] { return !IsChecked(control(id)); }, kReactTimeoutMs)) << Row(id).name;
    }
    expectStored("0", "0", "0");
    const RegistryPicture expected = {{"\\", {}},
                                      {"\\Startup\\", {}},
                                      {"\\Startup\\Disable", Text("0")},
                                      {"\\Startup\\Force", Text("0")},
                                      {"\\Startup\\Minimise", Text("0")},
                                      {"\\Startup\\Other", Text("kept")}};
    EXPECT_EQ(PictureOf(kSettingsKey), expected);
}

}  // namespace
}  // namespace e2e
