#include "e2e/CommonControls.h"

#include <array>

#include "e2e/Controls.h"
#include "e2e/RemoteBuffer.h"

namespace e2e {
namespace {

constexpr std::size_t kTextOffset = 512;
constexpr std::size_t kTextSize = 1024;  // the longest tooltip text the control copies
constexpr std::size_t kBufferSize = kTextOffset + kTextSize;

std::string ReadText(const RemoteBuffer& buffer) {
    std::array<char, kTextSize> text{};
    if (!buffer.read(text.data(), text.size(), kTextOffset)) return {};
    text.back() = '\0';
    return text.data();
}

struct TooltipQuery {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTooltips(HWND hwnd, LPARAM param) {
    auto* query = reinterpret_cast<TooltipQuery*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner == query->processId && lstrcmpiA(ClassOf(hwnd).c_str(), TOOLTIPS_CLASSA) == 0)
        query->found.push_back(hwnd);
    return TRUE;
}

}  // namespace

std::optional<int> TabCount(HWND tabControl) {
    const auto count = Ask(tabControl, TCM_GETITEMCOUNT);
    if (!count) return std::nullopt;
    return static_cast<int>(*count);
}

std::optional<int> SelectedTab(HWND tabControl) {
    const auto selected = Ask(tabControl, TCM_GETCURSEL);
    if (!selected) return std::nullopt;
    return static_cast<int>(*selected);
}

std::optional<std::string> TabCaption(HWND tabControl, DWORD processId, int index) {
    RemoteBuffer buffer(processId, kBufferSize);
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = reinterpret_cast<char*>(buffer.at(kTextOffset));
    item.cchTextMax = static_cast<int>(kTextSize);
    const char empty = '\0';
    if (!buffer.write(&item, sizeof item) || !buffer.write(&empty, 1, kTextOffset)) return std::nullopt;
    const auto answered = Ask(tabControl, TCM_GETITEMA, static_cast<WPARAM>(index), buffer.at());
    if (!answered || *answered == 0) return std::nullopt;
    // The control may answer with a pointer to its own copy of the text.
    if (!buffer.read(&item, sizeof item)) return std::nullopt;
    if (item.pszText != reinterpret_cast<char*>(buffer.at(kTextOffset))) return std::nullopt;
    return ReadText(buffer);
}

std::optional<RECT> TabRect(HWND tabControl, DWORD processId, int index) {
    RemoteBuffer buffer(processId, sizeof(RECT));
    RECT rect{};
    const auto answered = Ask(tabControl, TCM_GETITEMRECT, static_cast<WPARAM>(index), buffer.at());
    if (!answered || *answered == 0 || !buffer.read(&rect, sizeof rect)) return std::nullopt;
    return rect;
}

std::vector<HWND> TooltipWindows(DWORD processId) {
    TooltipQuery query{processId, {}};
    EnumWindows(CollectTooltips, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

std::optional<std::vector<Tool>> ToolsOf(HWND tooltip, DWORD processId) {
    const auto count = Ask(tooltip, TTM_GETTOOLCOUNT);
    if (!count) return std::nullopt;
    RemoteBuffer buffer(processId, kBufferSize);
    std::vector<Tool> tools;
    for (WPARAM index = 0; index < static_cast<WPARAM>(*count); ++index) {
        TTTOOLINFOA info{};
        info.cbSize = sizeof info;
        if (!buffer.write(&info, sizeof info)) return std::nullopt;
        const auto found = Ask(tooltip, TTM_ENUMTOOLSA, index, buffer.at());
        if (!found || *found == 0 || !buffer.read(&info, sizeof info)) return std::nullopt;

        // Ask for the text the tip would show, callbacks included.
        const char empty = '\0';
        info.lpszText = reinterpret_cast<char*>(buffer.at(kTextOffset));
        if (!buffer.write(&info, sizeof info) || !buffer.write(&empty, 1, kTextOffset)) return std::nullopt;
        if (!Ask(tooltip, TTM_GETTEXTA, kTextSize, buffer.at())) return std::nullopt;
        tools.push_back({info.hwnd, info.uId, info.uFlags, ReadText(buffer)});
    }
    return tools;
}

}  // namespace e2e
