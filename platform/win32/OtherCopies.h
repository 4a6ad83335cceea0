// How copies of the program find each other: a named mutex decides which copy
// runs, and a hidden window carries the application title that a second copy
// looks for.
#pragma once

#include <windows.h>

#include <string>

#include "app/OtherCopies.h"
#include "platform/win32/Handles.h"

namespace quellar {
namespace win32 {

class Win32OtherCopies final : public OtherCopies {
public:
    explicit Win32OtherCopies(HINSTANCE instance) : instance_(instance) {}
    Win32OtherCopies(const Win32OtherCopies&) = delete;
    Win32OtherCopies& operator=(const Win32OtherCopies&) = delete;
    ~Win32OtherCopies();

    bool CreateTitleWindow();
    // True when another copy in this session holds the mutex. The first call
    // decides; the handle stays open for the life of the process.
    bool AnotherCopyRuns() override;
    std::string Title() override;
    void SetTitle(const std::string& title) override;
    // Finds another copy by its title (exact, else prefix) and brings its
    // window to the front when it is shown.
    bool ActivateCopy(const std::string& title) override;

private:
    HINSTANCE instance_;
    HWND titleWindow_ = nullptr;
    KernelHandle mutex_;
    bool decided_ = false;
    bool anotherCopy_ = false;
};

}  // namespace win32
}  // namespace quellar
