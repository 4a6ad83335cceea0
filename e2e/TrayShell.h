// The shell's side of the tray icon, seen from outside. Under Wine the
// taskbar is explorer.exe's Shell_TrayWnd: it draws the icons itself, keeps
// one tooltip per icon whose tool rectangle is the icon's place (empty once
// the icon is gone) and one owner-drawn button per top-level window.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <optional>
#include <string>
#include <vector>

#include "e2e/CommonControls.h"
#include "e2e/Controls.h"
#include "e2e/RemoteBuffer.h"

namespace e2e {

constexpr UINT kTrayIconId = 1;
constexpr const char* kTrayTip = "Quellar 2000 v2.40";
constexpr const char* kTaskbarClass = "Shell_TrayWnd";

inline NOTIFYICONDATAA TrayIconKey(HWND owner, UINT id) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = owner;
    data.uID = id;
    return data;
}

// The shell accepts a change that changes nothing exactly when the icon exists.
inline bool TrayIconExists(HWND owner, UINT id = kTrayIconId) {
    NOTIFYICONDATAA data = TrayIconKey(owner, id);
    return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

// A second icon with the same owner and id is refused while the first is
// there. Should the shell take it, it is taken away again at once.
inline bool TrayRefusesTheSameIconAgain(HWND owner, UINT id = kTrayIconId) {
    NOTIFYICONDATAA data = TrayIconKey(owner, id);
    if (!Shell_NotifyIconA(NIM_ADD, &data)) return true;
    Shell_NotifyIconA(NIM_DELETE, &data);
    return false;
}

// Takes the icon away behind the program's back, as a dying taskbar does.
inline bool RemoveTrayIcon(HWND owner, UINT id = kTrayIconId) {
    NOTIFYICONDATAA data = TrayIconKey(owner, id);
    return Shell_NotifyIconA(NIM_DELETE, &data) != FALSE;
}

// What a new taskbar says to every top-level window, hidden ones included,
// when it starts: Wine's explorer cannot be restarted inside its virtual
// desktop (the desktop goes with it), so the driver says it instead.
inline void AnnounceNewTaskbar() { SendNotifyMessageA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0); }

struct ShownTrayIcon {
    std::string tip;
    RECT screen;  // where it is drawn
};

// Every icon the taskbar shows now; nullopt when the taskbar cannot be read.
inline std::optional<std::vector<ShownTrayIcon>> ShownTrayIcons() {
    const HWND taskbar = FindWindowA(kTaskbarClass, nullptr);
    if (taskbar == nullptr) return std::nullopt;
    DWORD shell = 0;
    GetWindowThreadProcessId(taskbar, &shell);
    constexpr std::size_t kTextOffset = 256;
    constexpr std::size_t kTextSize = 256;
    RemoteBuffer buffer(shell, kTextOffset + kTextSize);
    if (!buffer.ok()) return std::nullopt;
    std::vector<ShownTrayIcon> icons;
    for (const HWND tooltip : TooltipWindows(shell)) {
        const auto count = Ask(tooltip, TTM_GETTOOLCOUNT);
        if (!count) return std::nullopt;
        for (WPARAM index = 0; index < static_cast<WPARAM>(*count); ++index) {
            TTTOOLINFOA info{};
            info.cbSize = sizeof info;
            if (!buffer.write(&info, sizeof info)) return std::nullopt;
            const auto found = Ask(tooltip, TTM_ENUMTOOLSA, index, buffer.at());
            if (!found || *found == 0 || !buffer.read(&info, sizeof info)) return std::nullopt;
            if (info.hwnd != taskbar || IsRectEmpty(&info.rect)) continue;
            const char empty = '\0';
            info.lpszText = reinterpret_cast<char*>(buffer.at(kTextOffset));
            if (!buffer.write(&info, sizeof info) || !buffer.write(&empty, 1, kTextOffset)) return std::nullopt;
            if (!Ask(tooltip, TTM_GETTEXTA, kTextSize, buffer.at())) return std::nullopt;
            char text[kTextSize] = {};
            if (!buffer.read(text, sizeof text - 1, kTextOffset)) return std::nullopt;
            RECT screen = info.rect;
            MapWindowPoints(taskbar, nullptr, reinterpret_cast<POINT*>(&screen), 2);
            icons.push_back({text, screen});
        }
    }
    return icons;
}

// The number of icons shown, or -1 when the taskbar cannot be read.
inline int ShownTrayIconCount() {
    const auto icons = ShownTrayIcons();
    return icons ? static_cast<int>(icons->size()) : -1;
}

// The taskbar's button for a top-level window (its id is the window), or null.
inline HWND TaskbarButtonOf(HWND window) {
    const HWND taskbar = FindWindowA(kTaskbarClass, nullptr);
    for (HWND child = FindWindowExA(taskbar, nullptr, "Button", nullptr); taskbar != nullptr && child != nullptr;
         child = FindWindowExA(taskbar, child, "Button", nullptr)) {
        if (GetWindowLongPtrA(child, GWLP_ID) == reinterpret_cast<LONG_PTR>(window)) return child;
    }
    return nullptr;
}

inline bool HasVisibleTaskbarButton(HWND window) {
    const HWND button = TaskbarButtonOf(window);
    return button != nullptr && IsWindowVisible(button);
}

}  // namespace e2e
