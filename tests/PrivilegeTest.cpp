#include "tests/SimFixture.h"

namespace quellar {
namespace {

const Calls kPrivilegeCalls = {
    "SetLastError(0)",
    "GetCurrentProcess()",
    "OpenProcessToken(0xFFFFFFFFFFFFFFFF, 0x28)",
    "LookupPrivilegeValueA(\"\", \"SeShutdownPrivilege\")",
    "AdjustTokenPrivileges(0x44, false, {1, 0x13:0, 2}, 16)",
    "CloseHandle(0x44)",
};

TEST_F(FormTest, PrivilegeOnTheNtFamilyInOrderWithExactArguments) {
    form.glngWhichWindows32 = 1;
    form.EnableShutdownPrivilege();
    EXPECT_EQ(sim.Calls(), kPrivilegeCalls);
}

TEST_F(FormTest, PrivilegeOffTheNtFamilyOnlyClearsTheLastError) {
    form.glngWhichWindows32 = 0;
    form.EnableShutdownPrivilege();
    EXPECT_EQ(sim.Calls(), Calls{"SetLastError(0)"});
}

TEST_F(FormTest, PrivilegeCallsGoOnAfterFailures) {
    form.glngWhichWindows32 = 1;
    sim.Fail("LookupPrivilegeValueA");
    sim.Fail("AdjustTokenPrivileges");
    form.EnableShutdownPrivilege();
    Calls expected = kPrivilegeCalls;
    expected[4] = "AdjustTokenPrivileges(0x44, false, {1, 0x0:0, 2}, 16)";  // no identifier was found
    EXPECT_EQ(sim.Calls(), expected);
}

TEST_F(FormTest, NoTokenMeansNothingToClose) {
    form.glngWhichWindows32 = 1;
    sim.Fail("OpenProcessToken");
    form.EnableShutdownPrivilege();
    EXPECT_EQ(sim.Calls().back(), "AdjustTokenPrivileges(0x0, false, {1, 0x13:0, 2}, 16)");
    EXPECT_EQ(sim.CallsStartingWith("CloseHandle"), Calls{});
}

}  // namespace
}  // namespace quellar
