// Windows ends the session: the program saves its options, takes its icon
// away and ends, without asking and without holding the session up. Under
// Wine, ExitWindowsEx starts "wineboot --end-session", which sends
// WM_QUERYENDSESSION and WM_ENDSESSION to each windowed process of the
// prefix and ends it; it shows "Waiting for Program" when one does not
// answer within 5 s. The driver has no window and carries on.
#include <gtest/gtest.h>
#include <windows.h>
#include <tlhelp32.h>

#include <string>

#include "e2e/Controls.h"
#include "e2e/Handles.h"
#include "e2e/MessageBoxes.h"
#include "e2e/Registry.h"
#include "e2e/TrayFixture.h"

namespace e2e {
namespace {

using quellar::ControlId;

constexpr DWORD kSessionEndTimeoutMs = 20000;
constexpr const char* kHangDialogTitle = "Waiting for Program";

// The running wineboot.exe that ends the session, or null.
UniqueHandle Wineboot() {
    UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot || snapshot.get() == INVALID_HANDLE_VALUE) return nullptr;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot.get(), &entry); more; more = Process32Next(snapshot.get(), &entry)) {
        if (lstrcmpiA(entry.szExeFile, "wineboot.exe") == 0)
            return UniqueHandle(
                OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ProcessID));
    }
    return nullptr;
}

class SessionEnd : public TrayFixture {
protected:
    // Ends the session and watches: the program must end with no question
    // and no hang dialog, and the session end must run to its end.
    void endSessionAndExpectAQuietEnd() {
        Program& program = session().program();
        ASSERT_TRUE(ExitWindowsEx(EWX_LOGOFF, 0)) << "error " << GetLastError();
        std::string asked;
        bool hung = false;
        UniqueHandle wineboot;  // held from the moment it shows, to learn how it ends
        const bool ended = WaitUntil(
            [&] {
                if (!wineboot) wineboot = Wineboot();
                const HWND box = FindTopLevel(program.processId(), kDialogClass);
                if (box != nullptr && asked.empty()) asked = MessageBoxText(box).value_or("?");
                hung = hung || FindWindowA(kDialogClass, kHangDialogTitle) != nullptr;
                return !program.running();
            },
            kSessionEndTimeoutMs);
        EXPECT_TRUE(ended) << "still running after the session ended";
        EXPECT_FALSE(hung) << "the session end waited for the program";
        EXPECT_EQ(asked, questionAlreadyOpen_) << "it asked";
        // The session end itself must finish and must not have been refused.
        ASSERT_TRUE(wineboot) << "no wineboot.exe ended the session";
        ASSERT_EQ(WaitForSingleObject(wineboot.get(), kSessionEndTimeoutMs), WAIT_OBJECT_0) << "wineboot hangs";
        DWORD status = 1;
        GetExitCodeProcess(wineboot.get(), &status);
        EXPECT_EQ(status, 0u) << "the session end was refused";
        EXPECT_EQ(ShownTrayIconCount(), 0) << "an icon stayed behind";
    }

    std::string questionAlreadyOpen_;  // a box open before the session ended
};

TEST_F(SessionEnd, AShownWindowEndsWithoutAskingAndSaves) {
    ASSERT_FALSE(IsChecked(control(ControlId::chkDisable)));
    ASSERT_NO_FATAL_FAILURE(tick(ControlId::chkForce));
    ASSERT_EQ(ReadUserString(kSavedOptionsKey, "Force"), std::nullopt) << "saved before the session ended";
    endSessionAndExpectAQuietEnd();
    expectSaved("1", "0", "0");
}

TEST_F(SessionEnd, FromTheTrayItEndsSavingMinimise) {
    ASSERT_NO_FATAL_FAILURE(tick(ControlId::chkForce));
    ASSERT_TRUE(minimise());
    endSessionAndExpectAQuietEnd();
    expectSaved("1", "0", "1");
}

TEST_F(SessionEnd, WhileItAsksAboutClosingItStillEnds) {
    PostMessageA(window(), WM_CLOSE, 0, 0);
    const HWND box = WaitForMessageBox(processId());
    ASSERT_NE(box, nullptr) << "no question";
    questionAlreadyOpen_ = MessageBoxText(box).value_or("?");
    endSessionAndExpectAQuietEnd();
    expectSaved("0", "0", "0");
}

}  // namespace
}  // namespace e2e
