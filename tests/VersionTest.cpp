#include "tests/SimFixture.h"

namespace quellar {
namespace {

TEST_F(FormTest, DisplayNameByPlatformThenVersion) {
    struct Case {
        std::uint32_t platform, major, minor;
        const char* name;
    };
    const Case cases[] = {
        {1, 4, 0, "Windows 95"},
        {1, 4, 10, "Windows 98"},
        {1, 4, 90, ""},
        {1, 5, 0, "Windows 95"},
        {2, 3, 51, "Windows NT 3.51"},
        {2, 3, 10, "Windows NT 3.51"},
        {2, 4, 0, "Windows NT 4.0"},
        {2, 5, 0, "Windows 2000"},
        {2, 5, 1, "Windows 2000"},
        {2, 6, 0, ""},
        {2, 10, 0, ""},
        {0, 5, 0, "Failed"},
        {3, 5, 0, "Failed"},
    };
    for (const Case& c : cases) {
        sim.SetVersion(c.platform, c.major, c.minor, 0);
        EXPECT_EQ(form.getVersionEx(), c.name) << c.platform << " " << c.major << "." << c.minor;
    }
    EXPECT_EQ(sim.CallsStartingWith("GetVersionExA(148)").size(), std::size(cases));
}

TEST_F(FormTest, FailedVersionCallReadsFailed) {
    sim.Fail("GetVersionExA");
    EXPECT_EQ(form.getVersionEx(), "Failed");
}

TEST_F(FormTest, VersionLabelWithTheComputerName) {
    struct Case {
        const char* computer;
        const char* label;
    };
    const Case cases[] = {
        {"office-pc", "Windows 2000 on \\\\OFFICE-PC"},
        {"  spaced  ", "Windows 2000 on \\\\SPACED"},
        {"sixteen-letters!", "Windows 2000 on \\\\SIXTEEN-LETTERS"},
        {"", "Windows 2000 on \\\\"},
    };
    for (const Case& c : cases) {
        FreshForm fresh;
        SimPlatform& other = fresh.sim;
        frmQuellar& otherForm = fresh.form;
        other.SetComputerName(c.computer);
        otherForm.Form_Load();
        EXPECT_EQ(other.Text(ControlId::lblVersion), c.label) << c.computer;
    }
}

TEST_F(FormTest, UnnamedVersionLabelStartsWithTheBlank) {
    sim.SetVersion(1, 4, 90, 0xC0005A04);
    form.Form_Load();
    EXPECT_EQ(sim.Text(ControlId::lblVersion), " on \\\\OFFICE-PC");
}

}  // namespace
}  // namespace quellar
