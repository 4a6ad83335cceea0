// Names and roles for screen readers, set through the system's annotation
// service (oleacc, Windows XP on), which leaves the tab order as it is.
// Older systems have no such service and keep announcing what they guess.
#include <initguid.h>

#include <oleacc.h>

#include <cstring>

#include "platform/win32/Com.h"
#include "platform/win32/Win32Ports.h"

namespace quellar {
namespace win32 {

void Win32Controls::SetSpokenName(ControlId id, const std::string& name, SpokenRole role) {
    auto* services = static_cast<IAccPropServices*>(CreateComObject(CLSID_AccPropServices, IID_IAccPropServices));
    if (!services) return;
    WCHAR wide[256] = L"";  // a control's words, never longer
    MultiByteToWideChar(CP_ACP, 0, name.c_str(), -1, wide, sizeof wide / sizeof wide[0] - 1);
    services->SetHwndPropStr(control(id), static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_NAME, wide);
    if (role == SpokenRole::Link) {
        VARIANT link;
        std::memset(&link, 0, sizeof link);
        link.vt = VT_I4;
        link.lVal = ROLE_SYSTEM_LINK;
        services->SetHwndProp(control(id), static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_ROLE, link);
    }
    services->Release();
}

}  // namespace win32
}  // namespace quellar
