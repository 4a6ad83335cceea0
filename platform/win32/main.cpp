// Starting the program is loading its window: make it, run the load event,
// then pump messages until the window is gone.
#include <windows.h>
#include <commctrl.h>

#include "app/form/frmQuellar.h"
#include "platform/win32/Win32Ports.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    quellar::win32::Win32Ports platform(instance);
    quellar::frmQuellar form(platform.Roles());
    if (!platform.CreateWindows(form)) return 1;
    platform.Window().SetLoaded();
    form.Form_Load();

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (platform.Window().PreTranslate(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
