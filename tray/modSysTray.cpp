#include "tray/TrayRecord.h"

#include <algorithm>
#include <cstring>

namespace quellar {
namespace modSysTray {

void FillTip(TrayIconRecord& record, const std::string& text) {
    // At most 63 characters, so that the terminator always fits.
    const std::size_t n = std::min(text.size(), sizeof record.szTip - 1);
    std::memset(record.szTip, ' ', sizeof record.szTip);
    std::memcpy(record.szTip, text.data(), n);
    record.szTip[n] = '\0';
}

TrayIconRecord MakeTrayRecord(std::uint32_t window, std::uint32_t icon, const std::string& tip) {
    TrayIconRecord record{};
    record.cbSize = sizeof record;
    record.hWnd = window;
    record.uID = 1;
    record.uFlags = 7;                // message, icon and tip
    record.uCallbackMessage = 0x200;  // the window's own mouse-move message
    record.hIcon = icon;
    FillTip(record, tip);
    return record;
}

}  // namespace modSysTray
}  // namespace quellar
