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

}  // namespace modSysTray
}  // namespace quellar
