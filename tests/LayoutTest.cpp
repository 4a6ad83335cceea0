#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "app/Layout.h"

namespace quellar {
namespace {

bool IsContainer(ControlKind kind) {
    return kind == ControlKind::TabStrip || kind == ControlKind::PictureBox || kind == ControlKind::Frame;
}

bool TakesFocus(ControlKind kind) {
    return kind == ControlKind::TabStrip || kind == ControlKind::CommandButton || kind == ControlKind::CheckBox ||
           kind == ControlKind::TextBox || kind == ControlKind::ComboBox;
}

// The page a control shows on: its own, or its container's.
int PageOf(const ControlSpec& row) {
    if (row.tabPage >= 0) return row.tabPage;
    if (row.container == ControlId::None) return -1;
    return PageOf(Row(row.container));
}

TEST(Layout, TableIsIndexedByIdAndNamesAreUnique) {
    std::set<std::string> names;
    for (std::size_t i = 0; i < kControlCount; ++i) {
        const ControlSpec& row = ControlTable()[i];
        EXPECT_EQ(static_cast<std::size_t>(row.id), i) << row.name;
        EXPECT_TRUE(names.insert(row.name).second) << "duplicate name " << row.name;
    }
    for (std::size_t i = 0; i < kMenuCount; ++i) {
        EXPECT_EQ(static_cast<std::size_t>(MenuTable()[i].id), i);
        EXPECT_TRUE(names.insert(MenuTable()[i].name).second) << "duplicate name " << MenuTable()[i].name;
    }
}

TEST(Layout, EveryContainerExistsComesFirstAndCanHoldControls) {
    for (std::size_t i = 0; i < kControlCount; ++i) {
        const ControlSpec& row = ControlTable()[i];
        if (row.container == ControlId::None) {
            EXPECT_EQ(row.kind, ControlKind::TabStrip) << row.name;
            continue;
        }
        ASSERT_LT(static_cast<std::size_t>(row.container), i) << row.name << " comes before its container";
        EXPECT_TRUE(IsContainer(Row(row.container).kind)) << row.name;
        EXPECT_EQ(row.tabPage >= 0, row.container == ControlId::SSTabQuellar) << row.name;
    }
}

TEST(Layout, TabOrdersAreUniqueAndCoverTheWindow) {
    std::set<int> orders;
    for (std::size_t i = 0; i < kControlCount; ++i) {
        const ControlSpec& row = ControlTable()[i];
        if (row.kind == ControlKind::Timer) {
            EXPECT_EQ(row.tabOrder, -1);
            continue;
        }
        EXPECT_TRUE(orders.insert(row.tabOrder).second) << row.name << " repeats tab order " << row.tabOrder;
    }
    ASSERT_FALSE(orders.empty());
    EXPECT_EQ(*orders.begin(), 0);
    EXPECT_EQ(*orders.rbegin(), static_cast<int>(orders.size()) - 1) << "tab orders leave a gap";
    EXPECT_EQ(Row(ControlId::SSTabQuellar).tabOrder, 0);
}

// The window follows the table's order within each container for Tab, so
// the controls that take the focus must stand there in their tab order.
TEST(Layout, FocusableControlsStandInTabOrderWithinEachContainer) {
    std::map<ControlId, int> lastOrder;
    for (std::size_t i = 0; i < kControlCount; ++i) {
        const ControlSpec& row = ControlTable()[i];
        if (!TakesFocus(row.kind) || row.container == ControlId::None) continue;
        auto last = lastOrder.find(row.container);
        if (last != lastOrder.end()) {
            EXPECT_GT(row.tabOrder, last->second) << row.name;
        }
        lastOrder[row.container] = row.tabOrder;
    }
}

TEST(Layout, AccessKeysAreUniqueOnEachPage) {
    std::map<int, std::set<char>> keysByPage;
    for (std::size_t i = 0; i < kControlCount; ++i) {
        const ControlSpec& row = ControlTable()[i];
        const char key = AccessKey(row.text);
        if (key == 0) continue;
        EXPECT_TRUE(keysByPage[PageOf(row)].insert(key).second) << row.name << " repeats Alt+" << key;
    }
    EXPECT_EQ(keysByPage[0], (std::set<char>{'L', 'S', 'R', 'P', 'F', 'D', 'M', 'C', 'V'}));
    EXPECT_EQ(keysByPage.count(1), 0u) << "the Advanced tab has no access keys";
}

TEST(Layout, AccessKeyIsTheLetterAfterTheAmpersand) {
    EXPECT_EQ(AccessKey("Sa&ve"), 'V');
    EXPECT_EQ(AccessKey("&Log Off User"), 'L');
    EXPECT_EQ(AccessKey("Log Off Jsmith"), 0);
    EXPECT_EQ(AccessKey("Fish && Chips"), 0);
    EXPECT_EQ(AccessKey("A && &B"), 'B');
    EXPECT_EQ(AccessKey("Trailing&"), 0);
}

TEST(Layout, TextsAndTooltips) {
    struct Expected {
        ControlId id;
        const char* text;
        const char* tooltip;
    };
    const Expected expected[] = {
        {ControlId::lblVersion, "Windows XX on \\\\COMPUTER", "Displays Windows version and workstation name"},
        {ControlId::cmdLogOff, "&Log Off User", "Log off current user"},
        {ControlId::cmdShutdown, "&Shut Down", "Shut down the workstation"},
        {ControlId::cmdReboot, "&Reboot", "Reboot the workstation"},
        {ControlId::cmdPowerOff, "&Power Down", "Power down the workstation"},
        {ControlId::chkForce, "&Force log off or shutdown",
         "Force log off or shutdown of this workstation without saving any open files"},
        {ControlId::chkDisable, "&Disable confirmation", "Disable \"Are you sure?\" confirmation dialogs"},
        {ControlId::chkMinimise, "&Minimise Quellar when loaded",
         "Minimise Quellar 2000 to the system tray when loaded"},
        {ControlId::cmdClear, "&Clear", "Remove Quellar 2000 settings from the Windows registry"},
        {ControlId::cmdSave, "Sa&ve", "Save Quellar 2000 settings in the Windows registry"},
        {ControlId::lblInfoAdvanced,
         "This tab allows you to set a timer to log off or shutdown your workstation, or to abort a timed log off or "
         "shutdown within the given time below.",
         nullptr},
        {ControlId::lblCounter, "Time remaining (in seconds):", nullptr},
        {ControlId::txtCounter, "20", nullptr},
        {ControlId::lblCombo, "Shutdown method:", nullptr},
        {ControlId::lstAdvanced, "(Make Selection)", nullptr},
        {ControlId::cmdStart, "Start", nullptr},
        {ControlId::cmdAbort, "Abort", nullptr},
        {ControlId::lblWarning,
         "(Uses \"Force\" setting from Windows registry, and automatically turns \"Disable\" setting on.)", nullptr},
        {ControlId::lblTitle, "Quellar 2000 v2.40", nullptr},
        {ControlId::lblBuild, "1 January 2001 build", nullptr},
        {ControlId::hypHelp, "{Help}", nullptr},
    };
    for (const Expected& e : expected) {
        const ControlSpec& row = Row(e.id);
        EXPECT_STREQ(row.text, e.text) << row.name;
        if (e.tooltip) {
            ASSERT_NE(row.tooltip, nullptr) << row.name;
            EXPECT_STREQ(row.tooltip, e.tooltip) << row.name;
        }
    }
    std::set<std::string> withTooltip;
    for (std::size_t i = 0; i < kControlCount; ++i) {
        if (ControlTable()[i].tooltip) withTooltip.insert(ControlTable()[i].name);
    }
    EXPECT_EQ(withTooltip,
              (std::set<std::string>{"lblVersion", "cmdLogOff", "cmdShutdown", "cmdReboot", "cmdPowerOff", "chkForce",
                                     "chkDisable", "chkMinimise", "cmdClear", "cmdSave", "HlblURL", "lblCopyright"}));
    EXPECT_STREQ(Row(ControlId::lblCopyright).tooltip, "Copyright message");
    EXPECT_STREQ(Row(ControlId::HlblURL).text, Row(ControlId::HlblURL).url) << "the link shows its own target";
    EXPECT_EQ(Row(ControlId::hypHelp).url, nullptr);
}

TEST(Layout, InitialStates) {
    for (std::size_t i = 0; i < kControlCount; ++i) {
        const ControlSpec& row = ControlTable()[i];
        EXPECT_EQ(row.enabled, row.id != ControlId::cmdAbort) << row.name;
        EXPECT_EQ(row.maxLength, row.id == ControlId::txtCounter ? 5 : 0) << row.name;
    }
    EXPECT_FALSE(Row(ControlId::fraVersion).border);
    EXPECT_TRUE(Row(ControlId::fraButtons).border);
    EXPECT_TRUE(Row(ControlId::fraOptions).border);
}

TEST(Layout, WindowTabsAndPages) {
    EXPECT_STREQ(Form().caption, "Quellar 2000 v2.40");
    EXPECT_EQ(Form().clientWidth, 3780);
    EXPECT_EQ(Form().clientHeight, 3345);
    EXPECT_STREQ(Form().tabCaptions[0], "Quellar 2000");
    EXPECT_STREQ(Form().tabCaptions[1], "Advanced");
    EXPECT_STREQ(Form().tabCaptions[2], "About");
    EXPECT_EQ(Row(ControlId::pxOne).tabPage, 0);
    EXPECT_EQ(Row(ControlId::pxTwo).tabPage, 1);
    EXPECT_EQ(Row(ControlId::pxThree).tabPage, 2);
    EXPECT_EQ(Row(ControlId::Picture1).tabPage, 2);
    // The icon lies over the About page, so it comes first in its stack.
    EXPECT_LT(static_cast<int>(ControlId::Picture1), static_cast<int>(ControlId::pxThree));
    for (ControlId page : {ControlId::pxOne, ControlId::pxTwo, ControlId::pxThree}) {
        const Twips& p = Row(page).place;
        EXPECT_EQ(p.left, 60);
        EXPECT_EQ(p.top, 360);
        EXPECT_EQ(p.width, 3555);
        EXPECT_EQ(p.height, 2835);
    }
}

TEST(Layout, PopupMenu) {
    const char* captions[] = {"&SysTray",        "&Restore",    "-",       "&Force option",
                              "&Disable option", "-",           "&LogOff", "&Shut Down",
                              "Re&boot",         "&Power Down", "E&xit"};
    for (std::size_t i = 0; i < kMenuCount; ++i) EXPECT_STREQ(MenuTable()[i].caption, captions[i]);
    std::set<char> keys;
    for (std::size_t i = 1; i < kMenuCount; ++i) {
        const char key = AccessKey(MenuTable()[i].caption);
        if (key) {
            EXPECT_TRUE(keys.insert(key).second) << MenuTable()[i].name;
        }
    }
    EXPECT_EQ(keys, (std::set<char>{'R', 'F', 'D', 'L', 'S', 'B', 'P', 'X'}));
}

}  // namespace
}  // namespace quellar
