// Resource and window identifiers, one range per kind.
#pragma once

// Resources (also read by the resource compiler, which knows only #define)
#define IDI_QUELLAR 1
#define IDR_MANIFEST 1

#ifndef RC_INVOKED
namespace quellar {
namespace ids {

// Controls are numbered 1000 + their place in the control table, menu items
// 2000 + their place in the menu table.
constexpr int kFirstControl = 1000;
constexpr int kFirstMenuItem = 2000;

constexpr int Control(int tableIndex) { return kFirstControl + tableIndex; }
constexpr int MenuItem(int tableIndex) { return kFirstMenuItem + tableIndex; }

// Window classes, which the test driver also uses to find the windows.
constexpr const char* kMainClass = "Quellar2000Main";
constexpr const char* kContainerClass = "Quellar2000Container";
constexpr const char* kAppTitleClass = "Quellar2000App";

}  // namespace ids
}  // namespace quellar
#endif
