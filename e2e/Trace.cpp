// The checks that read the program's calls in the relay trace, which shows
// plain arguments (not what structures hold) as numbers, and texts. Only the
// program's own calls count: Wine's libraries call some of the same
// functions on its thread (CoInitializeEx among them).
#include <objbase.h>
#include <shellapi.h>

#include <algorithm>

#include "e2e/Run.h"

namespace e2e {
namespace {

using relay::Find;
using relay::kAny;
using relay::kNone;
using Calls = std::vector<relay::Line>;

// Waits until the program's own traced calls show what is wanted.
template <class Shows>
bool CallsShow(Run& run, Shows shows, DWORD ms = kPatienceMs) {
    const bool shown = WaitFor([&] { return shows(OwnCalls(run.program())); }, ms);
    return run.Check(shown, "its calls were:\n" + Listed(OwnCalls(run.program())));
}

}  // namespace

bool Exited(Run& run, int flags) {
    return run.Expect([&] { return !Running(run.program()); }, "it did not end", 40000) &&
           CallsShow(run, [&](const Calls& calls) {
               const std::size_t at = Find(calls, "ExitWindowsEx");
               return at != kNone && at == Find(calls, "ExitWindowsEx", {static_cast<unsigned>(flags), 0xFFFFFFFF}) &&
                      Find(calls, "ExitWindowsEx", {}, at + 1) == kNone &&
                      (Find(calls, "Shell_NotifyIconA", {NIM_ADD}) == kNone ||
                       Find(calls, "Shell_NotifyIconA", {NIM_DELETE}, at) != kNone);
           });
}

// Enabled: the privilege looked up by its name, then the token adjusted
// without disabling every privilege, all before ExitWindowsEx.
bool Privilege(Run& run, bool enabled) {
    return CallsShow(run, [&](Calls calls) {
        calls.resize(std::min(calls.size(), Find(calls, "ExitWindowsEx")));
        std::size_t asked = Find(calls, "LookupPrivilegeValueA");
        while (asked != kNone && calls[asked].arguments.at(1).text != "SeShutdownPrivilege")
            asked = Find(calls, "LookupPrivilegeValueA", {}, asked + 1);
        return enabled ? asked != kNone && Find(calls, "AdjustTokenPrivileges", {kAny, FALSE}, asked) != kNone
                       : asked == kNone && Find(calls, "OpenProcessToken") == kNone;
    });
}

// The program's token, read from outside, holds the shutdown privilege
// enabled: what the calls above put into it, which the trace cannot show.
bool HoldsShutdownPrivilege(Run& run) {
    LUID shutdown{};
    LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &shutdown);
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, run.program().pid), token = nullptr;
    bool enabled = false;
    if (process && OpenProcessToken(process, TOKEN_QUERY, &token)) {
        alignas(TOKEN_PRIVILEGES) char buffer[4096];
        DWORD size = 0;
        const auto* held = reinterpret_cast<const TOKEN_PRIVILEGES*>(buffer);
        if (GetTokenInformation(token, TokenPrivileges, buffer, sizeof buffer, &size)) {
            for (DWORD i = 0; i < held->PrivilegeCount; ++i) {
                const LUID_AND_ATTRIBUTES& privilege = held->Privileges[i];
                enabled = enabled ||
                          (privilege.Luid.LowPart == shutdown.LowPart && privilege.Luid.HighPart == shutdown.HighPart &&
                           (privilege.Attributes & SE_PRIVILEGE_ENABLED));
            }
        }
        CloseHandle(token);
    }
    if (process) CloseHandle(process);
    return run.Check(enabled, "its token holds no enabled shutdown privilege");
}

// The shell asked to open the target, with COM ready on the thread first.
bool Opened(Run& run, const std::string& target) {
    return CallsShow(run, [&](const Calls& calls) {
        const std::size_t com = Find(calls, "CoInitializeEx", {0, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE});
        const std::size_t opened = Find(calls, "ShellExecuteA");
        return com < opened && opened != kNone && calls[opened].arguments.size() > 2 &&
               calls[opened].arguments[2].text == target;
    });
}

// LoadImageA(instance, 1, IMAGE_ICON, width, height, flags).
bool IconLoaded(Run& run, int size) {
    const auto pixels = static_cast<unsigned>(size);
    return CallsShow(run, [&](const Calls& calls) {
        return Find(calls, "LoadImageA", {kAny, 1, IMAGE_ICON, pixels, pixels}) != kNone;
    });
}

// The control's window procedure got the message.
bool Heard(Run& run, const std::string& control, const std::string& message) {
    const auto window = reinterpret_cast<std::uintptr_t>(run.control(control));
    const DWORD pid = run.program().pid;
    return run.Expect([&] { return relay::Heard(e2e::Traced(pid), window, message); },
                      control + " did not get " + message);
}

// The registered message let through to the main window by the filter that
// Windows puts before an elevated program (ChangeWindowMessageFilterEx).
bool LetsThrough(Run& run, const std::string& message) {
    const auto window = reinterpret_cast<std::uintptr_t>(run.main());
    const UINT id = RegisterWindowMessageA(message.c_str());
    return CallsShow(run, [&](const Calls& calls) {
        return Find(calls, "ChangeWindowMessageFilterEx", {window, id, MSGFLT_ALLOW}) != kNone;
    });
}

// Why Windows refused to end the session, in the system's own words for the
// code that ExitWindowsEx left, which the program read at once and looked up:
// the code depends on Wine and on the program's width, the words on the
// session's language, so both come from the trace and the system.
bool WhyRefused(Run& run, std::string& words) {
    DWORD left = 0, looked = 0;
    const bool traced = CallsShow(run, [&](const Calls& calls) {
        const std::size_t failed = Find(calls, "ExitWindowsEx"), answer = relay::Returned(calls, failed);
        const std::size_t read = relay::Returned(calls, Find(calls, "GetLastError", {}, answer));
        const std::size_t format = Find(calls, "FormatMessageA", {}, read);
        if (answer == kNone || read == kNone || format == kNone || calls[answer].result != FALSE) return false;
        left = relay::Low(calls[read].result);
        looked = relay::Low(calls[format].arguments.at(2).value);
        return true;
    });
    char text[512] = "";
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, left, 0, text, sizeof text,
                   nullptr);
    words = text;
    words.erase(words.find_last_not_of(" \r\n") + 1);
    return traced &&
           run.Check(looked == left, "it looked up " + std::to_string(looked) + ", not " + std::to_string(left)) &&
           run.Check(!words.empty(), "the system has no words for " + std::to_string(left));
}

}  // namespace e2e
