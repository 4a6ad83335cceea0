// The names the program gives its things in Windows: what the test driver
// and the benchmarks find it by, stated here once for both.
#pragma once

namespace quellar {
namespace ids {

// Controls are numbered 1000 + their place in the control table, menu items
// 2000 + their place in the menu table.
constexpr int kFirstControl = 1000;
constexpr int kFirstMenuItem = 2000;

constexpr int Control(int tableIndex) { return kFirstControl + tableIndex; }
constexpr int MenuItem(int tableIndex) { return kFirstMenuItem + tableIndex; }

// Window classes.
constexpr const char* kMainClass = "Quellar2000Main";
constexpr const char* kContainerClass = "Quellar2000Container";
constexpr const char* kAppTitleClass = "Quellar2000App";

// The main window's timers: the countdown's, and the one that offers the tray
// icon again.
constexpr unsigned kCountdownTimer = 1;
constexpr unsigned kTrayTimer = 2;

// The mark by which a copy learns that another runs. "Local\" keeps it to
// this logon session; systems before Windows 2000 refuse the backslash, and
// have one session anyway.
constexpr const char* kMutexName = "Local\\Quellar2000.Running";
constexpr const char* kOldMutexName = "Quellar2000.Running";

// Where the options are stored, under HKEY_CURRENT_USER, as the program has
// always kept them.
constexpr const char* kStorePath = "Software\\VB and VBA Program Settings\\Quellar\\Startup";

}  // namespace ids
}  // namespace quellar
