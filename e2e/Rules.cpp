// The program's safety rules, checked after every step of every row, on both
// builds:
// - ExitWindowsEx runs only after Yes to its question, after the user chose
//   an action while Disable was already on (a key chooses only in the shown
//   window or the open menu: a hidden window's controls are nobody's choice),
//   or while a countdown that the user started runs down.
// - Abort stops the countdown: the box reads 21, and nothing changes it but
//   the user.
// - In the tray there is an icon; at the end of a row it still restores the
//   window and opens the menu.
// - At most one box of the program is open, and no menu beside it.
// - The store changes only on a step that can save, and then holds the boxes.
#include <cstring>

#include "e2e/Run.h"
#include "settings/Options.h"

namespace e2e {
namespace {

bool Is(const std::string& text, std::initializer_list<const char*> any) {
    for (const char* one : any)
        if (text == one) return true;
    return false;
}

// The option boxes, as StoredOptions lists the store.
std::string Boxes(HWND main) {
    std::string values;
    for (const quellar::Option& option : quellar::kOptions) {
        const HWND box = Control(main, quellar::Row(option.box).name);
        values += (values.empty() ? "" : ",") + std::to_string(SendMessageA(box, BM_GETCHECK, 0, 0));
    }
    return values;
}

HWND OpenMenu(const Program& program) { return TopLevel(program.pid, "#32768", "", true); }

int OpenBoxes(const Program& program) {
    int open = 0;
    for (HWND box = nullptr; (box = TopLevel(program.pid, "#32770", "", true, box));) ++open;
    return open;
}

std::size_t Exits(Run& run) {
    std::size_t count = 0;
    for (const Program& copy : run.copies) {
        // Whoever in the process made the call: a rule counts them all.
        const std::vector<relay::Line> none, &lines = copy.pid ? Traced(copy.pid) : none;
        for (std::size_t at = 0; (at = relay::Find(lines, "ExitWindowsEx", {}, at)) != relay::kNone; ++at) ++count;
    }
    return count;
}

}  // namespace

// What the step may cause, from the state before it.
void BeforeStep(Run& run, const std::string& step, const std::string& arg) {
    // Held, a key is pressed and repeats; twice, it is pressed again; on the
    // display, it goes where X sends it.
    const std::string verb = step == "hold" || step == "twice" || step == "xkey" ? "key" : step;
    const Program& first = run.copies[0];
    if (!Running(first)) return;
    const bool menu = OpenMenu(first) != nullptr;
    // A key chooses an action in the open menu, or in the window while it is
    // shown: a hidden window's controls are nobody's choice.
    const bool shown = IsWindowVisible(first.main) && !IsIconic(first.main);
    const bool chooses =
        (verb == "click" && Is(arg, {"cmdLogOff", "cmdShutdown", "cmdReboot", "cmdPowerOff"})) ||
        (verb == "key" && ((menu && (arg.size() == 1 || arg == "enter")) ||
                           (shown && Is(arg, {"alt+l", "alt+s", "alt+r", "alt+p", "enter", "space"}))));
    const bool disabled = SendMessageA(Control(first.main, "chkDisable"), BM_GETCHECK, 0, 0) == BST_CHECKED;
    const bool yes = IsWindow(run.box) && Text(run.box) == "Quellar 2000" &&
                     ((verb == "answer" && arg == "yes") || (verb == "key" && Is(arg, {"y", "enter", "space"})));
    if ((chooses && disabled) || yes || (run.counting && run.counter != "0")) run.mayAct = 2;
    if (chooses || verb == "key" || Is(verb, {"close", "endsession", "answer"}) || run.counting ||
        (verb == "click" && arg.compare(0, 3, "cmd") == 0))
        run.maySave = 2;
    if ((verb == "click" && arg == "cmdStart") || verb == "key") run.mayStart = 2;
    if (Is(verb, {"click", "key", "type", "fill", "letters"})) run.mayEdit = 2;
}

bool RulesHold(Run& run, const std::string& verb, const std::string& arg) {
    Program& first = run.copies[0];
    const std::string step = verb + (arg.empty() ? "" : ":" + arg);
    bool ok = true;
    const std::size_t exits = Exits(run);
    ok = ok &&
         run.Check(exits == run.exits || run.mayAct > 0, "ExitWindowsEx ran after " + step + ", which may not act");
    run.exits = exits;

    const std::string stored = StoredOptions();
    if (!first.process || verb == "put") run.store = stored;  // the row's own writing
    ok = ok && run.Check(stored == run.store || run.maySave > 0, "the store changed after " + step + ": " + stored);
    if (ok && stored != run.store && Running(first)) {
        const auto boxes = [&] { return Boxes(first.main); };
        ok = run.Expect([&] { return StoredOptions() == boxes() || !Running(first); },
                        "the store holds " + StoredOptions() + ", the boxes are " + boxes());
    }
    run.store = StoredOptions();

    const HWND abortButton = Control(first.main, "cmdAbort"), counterBox = Control(first.main, "txtCounter");
    const bool abort = IsWindowEnabled(abortButton);
    const std::string counter = Text(counterBox);
    // A window that is being destroyed as we read it (Yes to closing) reads empty.
    if (ok && Running(first) && IsWindow(abortButton) && IsWindow(counterBox)) {
        ok = run.Check(!abort || run.counting || run.mayStart > 0, "a countdown started after " + step) &&
             run.Check(abort || !run.counting || counter == "21", "after Abort the seconds read " + counter) &&
             run.Check(abort || run.counting || counter == run.counter || run.counter.empty() || run.mayEdit > 0,
                       "the seconds changed after " + step + ": " + counter);
        run.counting = abort;
        run.counter = counter;
        const int boxes = OpenBoxes(first);
        ok = ok && run.Check(boxes <= 1 && !(boxes == 1 && OpenMenu(first)), "a second box or a menu beside a box");
        ok = ok && run.Expect([&] { return IsWindowVisible(first.main) || IconPresent(first.main) || !Running(first); },
                              "in the tray without an icon");
    }
    for (int* leave : {&run.mayAct, &run.maySave, &run.mayStart, &run.mayEdit}) *leave -= *leave > 0;
    return ok;
}

// The row is over: a copy that still runs, with no box open, goes to the
// tray, opens its menu there and comes back.
bool TrayStillAnswers(Run& run) {
    Program& first = run.copies[0];
    if (!Running(first) || OpenBoxes(first) > 0 || OpenMenu(first)) return true;
    std::string tip;
    RECT place;
    if (IsWindowVisible(first.main)) PostMessageA(first.main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    if (!run.Expect([&] { return !IsWindowVisible(first.main) && ShownIcon(tip, place); }, "no icon in the tray"))
        return false;
    const POINT icon = Centre(place);
    ClickAt(icon, 1, true);
    if (!run.Expect([&] { return OpenMenu(first); }, "the icon opens no menu")) return false;
    Press("esc");
    if (!run.Expect([&] { return !OpenMenu(first); }, "the menu stays")) return false;
    ClickAt(icon, 2);
    return run.Expect([&] { return IsWindowVisible(first.main) && !IsIconic(first.main); },
                      "the icon restores nothing");
}

}  // namespace e2e
