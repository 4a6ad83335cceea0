// Owners for the Windows handles the program keeps: each closes its handle once.
#pragma once

#include <windows.h>

#include <cstdint>
#include <utility>

namespace quellar {
namespace win32 {

template <typename H, typename Closer>
class Unique {
public:
    Unique() = default;
    explicit Unique(H handle) : handle_(handle) {}
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;
    Unique(Unique&& other) noexcept : handle_(std::exchange(other.handle_, H{})) {}
    Unique& operator=(Unique&& other) noexcept {
        reset(std::exchange(other.handle_, H{}));
        return *this;
    }
    ~Unique() { reset(); }

    H get() const { return handle_; }
    H release() { return std::exchange(handle_, H{}); }
    explicit operator bool() const { return handle_ != H{}; }
    void reset(H handle = H{}) {
        if (handle_ != H{}) Closer{}(handle_);
        handle_ = handle;
    }

private:
    H handle_{};
};

struct CloseKernelHandle {
    void operator()(HANDLE h) const { ::CloseHandle(h); }
};
struct CloseRegKey {
    void operator()(HKEY h) const { ::RegCloseKey(h); }
};
struct DeleteGdiObject {
    void operator()(HGDIOBJ h) const { ::DeleteObject(h); }
};
struct DestroyIconHandle {
    void operator()(HICON h) const { ::DestroyIcon(h); }
};
struct DestroyMenuHandle {
    void operator()(HMENU h) const { ::DestroyMenu(h); }
};
struct UnhookHandle {
    void operator()(HHOOK h) const { ::UnhookWindowsHookEx(h); }
};

using KernelHandle = Unique<HANDLE, CloseKernelHandle>;
using RegKey = Unique<HKEY, CloseRegKey>;
using Font = Unique<HFONT, DeleteGdiObject>;
using Icon = Unique<HICON, DestroyIconHandle>;
using Menu = Unique<HMENU, DestroyMenuHandle>;
using Hook = Unique<HHOOK, UnhookHandle>;

// Handles of windows and icons use only their low 32 bits, also on 64-bit
// Windows; these carry them through the 32-bit fields of the tray record.
inline std::uint32_t To32(const void* handle) {
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(handle));
}
template <typename H>
H From32(std::uint32_t value) {
    return reinterpret_cast<H>(static_cast<std::intptr_t>(static_cast<std::int32_t>(value)));
}

}  // namespace win32
}  // namespace quellar
