// What the program does while it starts: the version label and the user's
// name, and how it reads, and tidies, what earlier runs stored.
#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <string>

#include "e2e/Controls.h"
#include "e2e/Registry.h"
#include "e2e/Session.h"
#include "e2e/StartupCopies.h"
#include "e2e/StartupRegistry.h"

namespace e2e {
namespace {

using quellar::ControlId;

constexpr DWORD kNameBuffer = 256;

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// As the program shows it: blanks trimmed, capitals, at most 15 characters.
std::string ComputerShown() {
    char buffer[kNameBuffer] = {};
    DWORD size = sizeof buffer;
    if (!GetComputerNameA(buffer, &size)) return "(unreadable)";
    std::string name = buffer;
    const auto first = name.find_first_not_of(' ');
    name = first == std::string::npos ? std::string() : name.substr(first, name.find_last_not_of(' ') - first + 1);
    return Upper(name).substr(0, 15);
}

struct EmulatedVersion {
    const char* wine;
    const char* windowsName;
};

void PrintTo(const EmulatedVersion& version, std::ostream* out) { *out << version.wine; }

class StartupVersionLabel : public testing::TestWithParam<EmulatedVersion> {};

TEST_P(StartupVersionLabel, NamesTheWindowsVersionAndTheComputer) {
    const auto emulated = EmulatedWindows(GetParam().wine);
    ASSERT_TRUE(emulated.ok()) << "could not choose Wine's Windows version";
    Session session;
    ASSERT_TRUE(session.ok()) << session.error();
    const HWND label = session.control(ControlId::lblVersion);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(TextOf(label), std::string(GetParam().windowsName) + " on \\\\" + ComputerShown());
}

// Windows 10 is no system the program knows by name: the label starts with the blank.
INSTANTIATE_TEST_SUITE_P(Wine, StartupVersionLabel,
                         testing::Values(EmulatedVersion{"win95", "Windows 95"}, EmulatedVersion{"win98", "Windows 98"},
                                         EmulatedVersion{"nt40", "Windows NT 4.0"},
                                         EmulatedVersion{"win2k", "Windows 2000"},
                                         EmulatedVersion{"winxp", "Windows 2000"}, EmulatedVersion{"win10", ""}),
                         [](const testing::TestParamInfo<EmulatedVersion>& info) {
                             return std::string(info.param.wine);
                         });

struct ComputerName {
    const char* given;
    const char* shown;
};

void PrintTo(const ComputerName& name, std::ostream* out) { *out << '"' << name.given << '"'; }

// Wine gives names out as they are stored: with blanks, in small letters.
class StartupComputerName : public testing::TestWithParam<ComputerName> {};

TEST_P(StartupComputerName, IsShownTrimmedInCapitals) {
    const auto emulated = EmulatedWindows("win2k");
    const auto named = ComputerNamed(GetParam().given);
    ASSERT_TRUE(emulated.ok() && named.ok()) << "could not set up Wine";
    char buffer[kNameBuffer] = {};
    DWORD size = sizeof buffer;
    ASSERT_TRUE(GetComputerNameA(buffer, &size));
    ASSERT_EQ(std::string(buffer), GetParam().given) << "Wine did not take the new name";

    Session session;
    ASSERT_TRUE(session.ok()) << session.error();
    const HWND label = session.control(ControlId::lblVersion);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(TextOf(label), std::string("Windows 2000 on \\\\") + GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Names, StartupComputerName,
                         testing::Values(ComputerName{" quellar-test ", "QUELLAR-TEST"},
                                         ComputerName{"abcdefghijklmno", "ABCDEFGHIJKLMNO"}),
                         [](const testing::TestParamInfo<ComputerName>& info) {
                             return info.index == 0 ? std::string("Blanks") : std::string("FifteenLetters");
                         });

TEST(Startup, TheLogOffButtonNamesTheUserCapitalised) {
    char buffer[kNameBuffer] = {};
    DWORD size = sizeof buffer;
    ASSERT_TRUE(GetUserNameA(buffer, &size));
    std::string name = std::string(buffer).substr(0, 8);
    ASSERT_FALSE(name.empty());
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));

    Session session;
    ASSERT_TRUE(session.ok()) << session.error();
    const HWND logOff = session.control(ControlId::cmdLogOff);
    ASSERT_NE(logOff, nullptr);
    EXPECT_EQ(TextOf(logOff), "Log Off " + name);
}

class StartupStored : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(DeleteUserTree(kSettingsKey)); }
    void store(const std::string& name, const StoredValue& value) {
        ASSERT_TRUE(WriteUserValue(StartupSection(), name, value)) << name;
    }
};

TEST_F(StartupStored, AWarningLeftOverIsGoneAfterStartAndNothingElseChanges) {
    store("Warning", Text("1"));
    store("Force", Text("1"));
    store("Other", Number(7));
    ASSERT_TRUE(WriteUserValue(StartupSection() + "\\Below", "Kept", Text("yes")));
    RegistryPicture expected = PictureOf(kSettingsKey);
    ASSERT_EQ(expected.erase("\\Startup\\Warning"), 1u);

    StartedCopy copy;
    ASSERT_TRUE(copy.started()) << copy.error();
    ASSERT_NE(copy.waitUntilLoaded(), nullptr) << "the load did not finish";
    EXPECT_EQ(PictureOf(kSettingsKey), expected);
    EXPECT_TRUE(IsChecked(copy.control(ControlId::chkForce))) << "the stored Force was not read";
}

TEST_F(StartupStored, ANumberUnderForceReadsAsOff) {
    store("Force", Number(1));
    store("Disable", Text("1"));

    StartedCopy copy;
    ASSERT_TRUE(copy.started()) << copy.error();
    const HWND main = copy.waitUntilLoaded();
    ASSERT_NE(main, nullptr) << "the load did not finish (running: " << copy.running() << ")";
    EXPECT_TRUE(IsWindowVisible(main));
    EXPECT_FALSE(IsChecked(copy.control(ControlId::chkForce)));
    EXPECT_TRUE(IsChecked(copy.control(ControlId::chkDisable))) << "the section was not read at all";
    EXPECT_EQ(ReadUserValue(StartupSection(), "Force"), Number(1)) << "changed before any save";
}

TEST_F(StartupStored, AOneStoredWithoutItsTerminatorReadsAsOn) {
    store("Force", StoredValue{REG_SZ, {'1'}});

    StartedCopy copy;
    ASSERT_TRUE(copy.started()) << copy.error();
    ASSERT_NE(copy.waitUntilLoaded(), nullptr) << "the load did not finish (running: " << copy.running() << ")";
    EXPECT_TRUE(IsChecked(copy.control(ControlId::chkForce)));
}

TEST_F(StartupStored, MinimiseStoredAsOneStartsHiddenInTheTray) {
    store("Minimise", Text("1"));
    store("Force", Text("1"));

    StartedCopy copy;
    ASSERT_TRUE(copy.started()) << copy.error();
    const HWND main = copy.waitUntilLoaded();
    ASSERT_NE(main, nullptr) << "the load did not finish (running: " << copy.running() << ")";
    EXPECT_FALSE(IsWindowVisible(main));
    EXPECT_TRUE(IsIconic(main));
    EXPECT_TRUE(TrayIconPresent(main)) << "no tray icon for the main window";
    EXPECT_TRUE(IsChecked(copy.control(ControlId::chkForce)));
    EXPECT_TRUE(IsChecked(copy.control(ControlId::chkMinimise)));
    EXPECT_FALSE(IsChecked(copy.control(ControlId::chkDisable)));
}

// Only the exact text "1" is on.
class StartupAlmostOne : public StartupStored, public testing::WithParamInterface<const char*> {};

TEST_P(StartupAlmostOne, StartsShownWithoutTrayIconAndOptionsOff) {
    store("Minimise", Text(GetParam()));
    store("Force", Text(GetParam()));

    StartedCopy copy;
    ASSERT_TRUE(copy.started()) << copy.error();
    const HWND main = copy.waitUntilLoaded();
    ASSERT_NE(main, nullptr) << "the load did not finish (running: " << copy.running() << ")";
    EXPECT_TRUE(IsWindowVisible(main));
    EXPECT_FALSE(IsIconic(main));
    EXPECT_FALSE(TrayIconPresent(main));
    EXPECT_FALSE(IsChecked(copy.control(ControlId::chkMinimise)));
    EXPECT_FALSE(IsChecked(copy.control(ControlId::chkForce)));
}

INSTANTIATE_TEST_SUITE_P(Texts, StartupAlmostOne, testing::Values(" 1", "True"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             return info.index == 0 ? std::string("BlankThenOne") : std::string(info.param);
                         });

}  // namespace
}  // namespace e2e
