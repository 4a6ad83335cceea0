// The real Quellar.exe under Wine, used as a user would: one row per
// scenario, with its start, its steps and what must hold, in the step
// language of Steps.cpp. The rows of one group share a Wine session; the
// safety rules (Rules.cpp) hold after every step of every row.
//
// usage: quellar_e2e GROUP [SCENARIO]   the rows of a group, or one of them
//        quellar_e2e - 'STEPS'          steps given here, to try things out
//        quellar_e2e steps              the step language
// QUELLAR_EXE names the build under test; E2E_SEEDS the random walks' seeds.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "e2e/Run.h"

namespace e2e {
void PrintVerbs();
bool CheckScript(const std::string& script, std::string& failure);
}  // namespace e2e

namespace {

struct Scenario {
    std::string group, name, script;
};

const char* const kWalkSeeds = "1 2 3";
const std::string kTitle = "Quellar 2000 v2.40";  // never taken from the program: a wrong version fails
constexpr int kWalkMoves = 40;

const Scenario kRows[] = {
    // clang-format off
    // Start-up and the store.
    {"start", "Windows 98, a computer name trimmed in capitals", "win:win98 host:' office-pc ' start text:'lblVersion=Windows 98 on \\\\OFFICE-PC'"},
    {"start", "Windows NT 4.0", "win:nt40 host:pc start text:'lblVersion=Windows NT 4.0 on \\\\PC'"},
    {"start", "Windows XP is named 2000", "win:winxp host:pc start text:'lblVersion=Windows 2000 on \\\\PC'"},
    {"start", "log off caption from the user's name", "start text:'cmdLogOff=Log Off Jsmith'"},
    {"start", "the state at start", "start shown noicon text:'lstAdvanced=(Make Selection)' enabled:cmdStart=0 enabled:txtCounter=1 enabled:cmdAbort=0 text:txtCounter=20 store:~,~,~ letsin:TaskbarCreated caption:'" + kTitle + "' underlined:cdfmprsv"},
    {"start", "only an exact 1 is on", "put:Force=1 put:Disable=' 1' put:Minimise=True start shown is:chkForce=1 is:chkDisable=0 is:chkMinimise=0"},
    {"start", "Minimise starts in the tray", "put:Minimise=1 start hidden icon tip:'" + kTitle + "'"},
    {"start", "the tab strip hears of new system colours", "start syscolours heard:SSTabQuellar=WM_SYSCOLORCHANGE"},
    {"start", "Save stores REG_SZ texts", "start click:chkForce click:chkMinimise click:cmdSave store:1,0,1"},
    {"start", "Clear stores zeros", "put:Force=1 put:Minimise=1 start trayicon:double click:cmdClear store:0,0,0"},
    {"start", "a second copy brings the first to the front and leaves its store", "put:Force=1 put:Disable=1 start elsewhere second duplicate answer:ok ended first running shown front"},
    {"start", "a second copy leaves the first in the tray", "put:Minimise=1 start second duplicate answer:ok ended first hidden"},
    {"start", "a copy run as administrator counts as running", "put:Force=1 elevated second duplicate answer:ok ended store:1,~,~"},
    {"start", "a second copy at the session's end keeps the store", "put:Force=1 put:Disable=1 put:Minimise=0 start second duplicate endsession ended store:1,1,0"},
    {"start", "a second copy closed neither asks nor saves", "put:Force=1 put:Disable=1 put:Minimise=0 start second duplicate close nobox:'Exit Quellar 2000' ended store:1,1,0"},

    // The actions from the buttons and their questions.
    {"actions", "Log Off button", "put:Disable=1 start click:cmdLogOff exit:0 priv:0 store:0,1,0"},
    {"actions", "Shut Down button with Force", "put:Disable=1 put:Force=1 start click:cmdShutdown exit:5 priv:1"},
    {"actions", "Reboot by Alt+R", "put:Disable=1 start key:alt+r exit:2 priv:1"},
    {"actions", "Power Down button with Force", "put:Disable=1 put:Force=1 start click:cmdPowerOff exit:12 priv:1"},
    {"actions", "Windows 98 enables no privilege", "win:win98 put:Disable=1 start click:cmdShutdown exit:1 priv:0"},
    {"actions", "Log Off asks, No", "start click:cmdLogOff ask:'log off' answer:no running shown store:0,0,0"},
    {"actions", "Shut Down asks, No", "start click:cmdShutdown ask:shutdown answer:no running"},
    {"actions", "Reboot asks, No", "start click:cmdReboot ask:reboot answer:no running"},
    {"actions", "Power Down asks, No", "start click:cmdPowerOff ask:'power down' answer:no running"},
    {"actions", "Windows refuses: the program says why and keeps the privilege it enabled", "put:Disable=1 start refuse click:cmdShutdown refused:shutdown privileged answer:ok running shown"},
    {"actions", "Yes logs off", "start click:cmdLogOff ask:'log off' answer:yes exit:0 priv:0"},

    // Keys: a letter alone is no access key, whatever has the focus; the links take the focus.
    {"keys", "letters on a check box", "put:Force=1 start click:chkDisable letters nobox running is:chkForce=1 is:chkDisable=1 is:chkMinimise=0"},
    {"keys", "letters on a button", "put:Force=1 start click:cmdSave letters nobox running is:chkForce=1 is:chkDisable=0"},
    {"keys", "letters on the tab strips", "put:Force=1 start tab:0 letters tab:1 letters tab:2 letters nobox running is:chkForce=1"},
    {"keys", "letters go into the list and the seconds", "start tab:1 click:lstAdvanced key:end type:rs text:'lstAdvanced=(Make Selection)rs' click:txtCounter key:end type:9 text:txtCounter=209"},
    {"keys", "Alt+L went with the Log Off button's first caption", "start key:alt+l nobox running"},
    {"keys", "Alt with a letter", "start key:alt+f is:chkForce=1 key:alt+m is:chkMinimise=1"},
    {"keys", "Enter on a button", "start click:chkForce click:cmdSave put:Force=x key:enter store:1,0,0"},
    {"keys", "Enter held on a button: its repeats do not answer the question", "start key:tab key:tab hold:enter ask:shutdown answer:no running shown"},
    {"keys", "Enter typed twice: the second press does not answer the question the first opened", "start key:tab key:tab twice:enter ask:shutdown answer:no running shown"},
    {"keys", "Tab reaches {Help}, Enter opens it", "start tab:2 key:tab key:tab key:enter opened:help"},
    {"keys", "Tab reaches the website, Space opens it", "start tab:2 key:tab key:space opened:http://quellar.example/"},
    {"keys", "a click opens {Help}", "start tab:2 click:hypHelp opened:help"},

    // The tray.
    {"tray", "minimised into the tray, double-clicked back", "start minimise hidden icon tip:'" + kTitle + "' trayicon:double shown noicon"},
    {"tray", "the icon's right button opens the menu", "put:Minimise=1 start trayicon:right menu key:r shown noicon"},
    {"tray", "only 515 and 517 are notifications", "put:Minimise=1 start post:512 post:513 post:514 post:516 post:518 nomenu hidden post:517 menu key:esc post:515 shown"},
    {"tray", "Force and Disable from the menu", "put:Minimise=1 start post:517 menu key:f is:chkForce=1 post:517 menu key:f is:chkForce=0 post:517 menu key:d is:chkDisable=1 store:~,~,1"},
    {"tray", "Shut Down from the menu", "put:Minimise=1 put:Disable=1 start post:517 menu key:s exit:1 priv:1"},
    {"tray", "Reboot from the menu with Force", "put:Minimise=1 put:Disable=1 put:Force=1 start post:517 menu key:b exit:6 priv:1"},
    {"tray", "Power Down from the menu asks", "put:Minimise=1 start post:517 menu key:p ask:'power down' answer:no hidden post:517 menu key:d post:517 menu key:p exit:8"},
    {"tray", "Log Off, the fourth item, with Force", "put:Minimise=1 put:Disable=1 put:Force=1 start post:517 menu key:down key:down key:down key:down key:enter exit:4 priv:0"},
    {"tray", "Enter held on a menu item: its repeats do not answer the question", "put:Minimise=1 start post:517 menu key:down key:down key:down key:down hold:enter ask:'log off' answer:no running hidden"},
    {"tray", "Enter held on the menu's Restore presses nothing in the window", "put:Disable=1 start key:tab key:tab minimise hidden trayicon:right menu key:down hold:enter sleep:1 running shown nobox"},
    {"tray", "Space held on the menu's Restore presses nothing in the window", "start click:chkForce click:cmdSave key:shift+tab minimise hidden trayicon:right menu key:down hold:space sleep:1 shown store:1,0,0 is:chkForce=1"},
    {"tray", "a question hidden with its window comes back from the icon", "start click:cmdShutdown ask:shutdown underbox hidden trayicon:double ask:shutdown answer:no running"},
    {"tray", "the menu's Log Off item reads as the button, and its first letter L went with its first caption", "put:Minimise=1 start post:517 menu key:l nobox running hidden"},
    {"tray", "keys reaching the hidden window work nothing", "put:Disable=1 put:Minimise=1 start trayicon:right menu key:esc queued:main=alt+s queued:cmdShutdown=alt+r queued:cmdShutdown=enter queued:cmdReboot=space queued:cmdSave=alt+c sleep:1 running hidden nobox store:~,1,1"},
    {"tray", "Windows refuses: the program says why and stays in the tray", "put:Disable=1 put:Minimise=1 start refuse post:517 menu key:s refused:shutdown answer:ok running hidden icon"},
    {"tray", "a key pressed after the question opened answers it", "put:Minimise=1 start post:517 menu key:s ask:shutdown sleep:1 key:y exit:1"},
    {"tray", "Exit leaves Minimise on", "start minimise hidden post:517 menu key:x ended noicon store:0,0,1"},
    {"tray", "a new taskbar gets the icon again", "start taskbar noicon minimise icon taskbar icon"},
    {"tray", "a TaskbarCreated that another program sends leaves the window in the tray", "put:Minimise=1 start hidden icon taskbar:sent sleep:3 hidden icon"},
    {"tray", "under a question the icon opens no menu, and No stays No", "put:Minimise=1 start post:517 menu key:s ask:shutdown trayicon:right nomenu post:517 nomenu answer:no running hidden"},
    {"tray", "under a question only its Yes acts", "put:Minimise=1 start post:517 menu key:s ask:shutdown trayicon:double post:517 nomenu answer:yes exit:1"},

    // Closing and the end of the session.
    {"closing", "No goes to the tray", "start close ask:closing answer:no hidden icon store:0,0,0"},
    {"closing", "closing in the tray asks nothing", "put:Minimise=1 start close nobox ended noicon store:0,0,1"},
    {"closing", "a second close under the question", "start close ask:closing close nobox:'Quellar 2000' answer:no hidden"},
    {"closing", "Yes quits", "put:Force=1 start close ask:closing answer:yes ended noicon store:1,0,0"},
    {"closing", "Disable quits without asking", "put:Disable=1 start close nobox ended store:0,1,0"},
    {"closing", "the session ends without a question", "put:Force=1 start endsession nobox ended store:1,0,0"},
    {"closing", "the session's end ends a countdown in the tray", "put:Force=1 start tab:1 choose:Reboot fill:txtCounter=19 click:cmdStart minimise hidden endsession ended noicon store:1,0,1"},

    // The countdown, in groups that wait side by side; those that wait for the zero run on one build.
    {"countdown-a", "the placeholder switches the inputs off", "start tab:1 choose:'(Make selection)' enabled:cmdStart=0 enabled:txtCounter=0 enabled:lstAdvanced=1 choose:'Log Off' enabled:cmdStart=1"},
    {"countdown-a", "below 19 becomes 20", "start tab:1 choose:'Log Off' fill:txtCounter=5 click:cmdStart counting:20 enabled:lstAdvanced=0 click:cmdAbort"},
    {"countdown-a", "19.4 stays as typed", "start tab:1 choose:'Log Off' fill:txtCounter=19.4 click:cmdStart counting:19.4 click:cmdAbort"},
    {"countdown-a", "above 86400 becomes 86400", "start tab:1 choose:'Log Off' fill:txtCounter=86401 click:cmdStart counting:86400 click:cmdAbort"},
    {"countdown-a", "Enter after Abort starts nothing", "start tab:1 choose:'Log Off' fill:txtCounter=60 click:cmdStart click:cmdAbort key:enter sleep:2 text:txtCounter=21 enabled:cmdAbort=0"},
    {"countdown-a", "Space twice on Abort starts nothing", "put:Disable=1 start tab:1 choose:Reboot fill:txtCounter=60 click:cmdStart key:tab key:space key:space sleep:2 text:txtCounter=21 enabled:cmdAbort=0"},
    {"countdown-a", "a timer message from another program starts nothing", "start timer sleep:3 text:txtCounter=20 enabled:cmdAbort=0"},
    {"countdown-a", "timer messages from another program do not hurry a countdown", "start tab:1 choose:'Log Off' fill:lstAdvanced=Nothing fill:txtCounter=60 click:cmdStart timer:5 counting:60 click:cmdAbort"},
    {"countdown-b", "no action at zero", "put:Force=1 start tab:1 choose:'Log Off' fill:lstAdvanced=Nothing fill:txtCounter=19 click:cmdStart counting:19 sleep:18 text:txtCounter=0 enabled:cmdAbort=1 enabled:cmdStart=0 is:chkDisable=1"},
    {"countdown-b", "Log Off at zero", "start tab:1 choose:'Log Off' fill:txtCounter=19 click:cmdStart exit:0 priv:0 store:0,1,0"},
    {"countdown-b", "Shutdown at zero with Force", "put:Force=1 start tab:1 choose:Shutdown fill:txtCounter=19 click:cmdStart exit:5 priv:1 store:1,1,0"},
    {"countdown-c", "Reboot at zero", "start tab:1 choose:Reboot fill:txtCounter=19 click:cmdStart exit:2 priv:1"},
    {"countdown-c", "Power Down at zero with Force", "put:Force=1 start tab:1 choose:'Power Down' fill:txtCounter=19 click:cmdStart exit:12 priv:1"},
    {"countdown-c", "the zero in the tray closes an open menu, and the next one shows Disable ticked", "start tab:1 choose:'Log Off' fill:lstAdvanced=Nothing fill:txtCounter=19 click:cmdStart minimise hidden sleep:14 trayicon:right menu sleep:8 nomenu is:chkDisable=1 trayicon:right menu key:esc"},
    {"countdown-d", "after Abort nothing runs", "put:Disable=1 start tab:1 choose:Reboot fill:txtCounter=19 click:cmdStart click:cmdAbort sleep:20 running"},
    {"countdown-d", "a No stays a No when the zero ticks Disable meanwhile", "start tab:1 choose:'Log Off' fill:lstAdvanced=Nothing fill:txtCounter=19 click:cmdStart tab:0 click:cmdShutdown ask:shutdown sleep:20 is:chkDisable=1 answer:no running"},

    // The window of make run, closed as a user would.
    {"make-run", "closes through its question", "attach close ask:closing answer:yes ended"},

    // Straight on the X display, without Wine's virtual desktop: the keys go where X has its focus.
    {"plain-x", "the tray menu takes the keyboard: F ticks Force", "put:Minimise=1 start hidden icon trayicon:right menu xkey:f is:chkForce=1"},
    {"plain-x", "the tray menu takes the keyboard: Esc closes it", "put:Minimise=1 start hidden trayicon:right menu xkey:Escape nomenu hidden"},
    {"plain-x", "the tray menu takes the keyboard: S asks, No leaves it running", "put:Minimise=1 start hidden trayicon:right menu xkey:s ask:shutdown answer:no running hidden"},
    {"plain-x", "the tray menu takes the keyboard: the arrows and Enter restore", "put:Minimise=1 start hidden trayicon:right menu xkey:Down xkey:Return shown"},
    {"plain-x", "Alt with a letter in the window restored from the tray", "put:Minimise=1 start hidden trayicon:double shown xkey:alt+f is:chkForce=1"},
    {"plain-x", "a second copy's notice takes the keys, then the first copy in front takes them", "start second duplicate sleep:1 xkey:Return ended first front xkey:alt+m is:chkMinimise=1"},
    {"plain-x", "a question comes to the front from the icon, where the keys go", "put:Minimise=1 start post:517 menu key:s ask:shutdown elsewhere trayicon:double ask:shutdown xkey:n running hidden"},

    // The resolution: the window scales and no caption is cut.
    {"dpi", "96 dpi", "dpi:96 start size:252x223 fit:'MS Sans Serif=-11' iconsize:32"},
    {"dpi", "120 dpi", "dpi:120 start size:315x279 fit:'Microsoft Sans Serif=-13' iconsize:40"},
    {"dpi", "144 dpi", "dpi:144 start size:378x335 fit:'Microsoft Sans Serif=-15' iconsize:48"},
    {"dpi", "192 dpi", "dpi:192 start size:504x446 fit:'Microsoft Sans Serif=-20' iconsize:64"},
    {"dpi-without-wine-fonts", "96 dpi", "dpi:96 start size:252x223 fit:'Microsoft Sans Serif=-10'"},
    {"dpi-without-wine-fonts", "144 dpi", "dpi:144 start size:378x335 fit:'Microsoft Sans Serif=-15'"},
    // clang-format on
};

std::vector<Scenario> Scenarios() {
    std::vector<Scenario> rows(std::begin(kRows), std::end(kRows));
    // The tray at every scaling step of Windows 10 and 11, and a custom one.
    for (const char* dpi : {"96", "120", "144", "168", "192", "216", "240", "288", "336", "110"}) {
        rows.push_back({"dpi-tray", std::string(dpi) + " dpi",
                        std::string("dpi:") + dpi + " put:Minimise=1 start hidden trayicon:right menu key:r shown"});
    }
    const char* seeds = std::getenv("E2E_SEEDS");
    for (const char* at = seeds ? seeds : kWalkSeeds; *at; at += std::strspn(at, " ")) {
        const unsigned seed = static_cast<unsigned>(std::strtoul(at, const_cast<char**>(&at), 10));
        rows.push_back({"walk", "seed " + std::to_string(seed), e2e::RandomWalk(seed, kWalkMoves)});
    }
    return rows;
}

}  // namespace

int main(int argc, char** argv) {
    // Copied over Wine's wineboot, the driver is what the program's
    // ExitWindowsEx starts: the session goes on, and the trace shows the call.
    char self[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, self, sizeof self);
    if (lstrcmpiA(self + strlen(self) - 12, "wineboot.exe") == 0) return 0;
    if (argc < 2) return std::puts("usage: quellar_e2e GROUP [SCENARIO], or - 'STEPS', or steps"), 64;
    if (!strcmp(argv[1], "steps")) return e2e::PrintVerbs(), 0;

    // The program's calls traced, into the harness's file: see run-group.sh.
    SetEnvironmentVariableA("WINEDEBUG", "-all,+pid,+relay");
    const char* exe = std::getenv("QUELLAR_EXE");

    // Every row's steps are checked before any runs.
    std::vector<Scenario> rows = Scenarios(), chosen;
    int failed = 0;
    for (const Scenario& row : rows) {
        std::string failure;
        if (!e2e::CheckScript(row.script, failure))
            std::printf("FAIL %s: %s\n", row.name.c_str(), failure.c_str()), ++failed;
        if (row.group == argv[1] && (argc < 3 || row.name == argv[2])) chosen.push_back(row);
    }
    if (!strcmp(argv[1], "-") && argc > 2) chosen.push_back({"-", "given", argv[2]});
    for (const Scenario& row : failed ? std::vector<Scenario>() : chosen) {
        const DWORD start = GetTickCount();
        std::string failure;
        const bool ok = e2e::RunScenario(exe ? exe : "C:\\q64\\Quellar.exe", row.script, failure);
        std::printf("%s %s (%.1f s)%s%s\n", ok ? "PASS" : "FAIL", row.name.c_str(), (GetTickCount() - start) / 1000.0,
                    ok ? "" : "\n     ", failure.c_str());
        // A walk that fails is replayed with: quellar_e2e - 'ITS STEPS'
        if (!ok && row.group == "walk") std::printf("     its steps: %s\n", row.script.c_str());
        std::fflush(stdout);
        failed += ok ? 0 : 1;
    }
    const int ran = static_cast<int>(chosen.size());
    std::printf("%s\n", e2e::SlowestWaits().c_str());
    std::printf("%s: %d scenarios, %d failed\n", argv[1], ran, failed);
    return ran == 0 ? 65 : failed == 0 ? 0 : 1;
}
