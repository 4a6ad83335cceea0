#include "e2e/Controls.h"

#include <vector>

namespace e2e {
namespace {

struct ControlQuery {
    int id;
    HWND found;
};

BOOL CALLBACK MatchControlId(HWND hwnd, LPARAM param) {
    auto* query = reinterpret_cast<ControlQuery*>(param);
    if (GetDlgCtrlID(hwnd) != query->id) return TRUE;
    query->found = hwnd;
    return FALSE;
}

}  // namespace

HWND FindControl(HWND root, int controlId) {
    ControlQuery query{controlId, nullptr};
    EnumChildWindows(root, MatchControlId, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

std::string ClassOf(HWND hwnd) {
    char name[256] = {};
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

std::optional<LRESULT> Ask(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(hwnd, message, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result))
        return std::nullopt;
    return static_cast<LRESULT>(result);
}

std::optional<std::string> TextOf(HWND hwnd) {
    const auto length = Ask(hwnd, WM_GETTEXTLENGTH);
    if (!length) return std::nullopt;
    std::vector<char> buffer(static_cast<std::size_t>(*length) + 1, '\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(hwnd, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()),
                             SMTO_ABORTIFHUNG, kSendTimeoutMs, &copied))
        return std::nullopt;
    return std::string(buffer.data(), static_cast<std::size_t>(copied));
}

LONG_PTR StyleOf(HWND hwnd) { return GetWindowLongPtrA(hwnd, GWL_STYLE); }
LONG_PTR ExStyleOf(HWND hwnd) { return GetWindowLongPtrA(hwnd, GWL_EXSTYLE); }

RECT RectInParent(HWND hwnd) {
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    const HWND parent = (StyleOf(hwnd) & WS_CHILD) ? GetParent(hwnd) : nullptr;
    if (parent != nullptr) MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

SIZE ClientSize(HWND hwnd) {
    RECT rect{};
    GetClientRect(hwnd, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

bool IsChecked(HWND checkBox) { return Ask(checkBox, BM_GETCHECK).value_or(BST_UNCHECKED) == BST_CHECKED; }

void Click(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }

}  // namespace e2e
