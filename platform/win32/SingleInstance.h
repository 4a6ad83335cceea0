// How copies of the program find each other: a named mutex decides which copy
// runs, and a hidden window carries the application title that a second copy
// looks for.
#pragma once

#include <windows.h>

#include <string>

#include "platform/win32/Handles.h"

namespace quellar {
namespace win32 {

class SingleInstance {
public:
    explicit SingleInstance(HINSTANCE instance) : instance_(instance) {}
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;
    ~SingleInstance();

    bool CreateTitleWindow();
    // True when another copy in this session holds the mutex. The first call
    // decides; the handle stays open for the life of the process.
    bool AnotherCopyRuns();
    std::string Title() const;
    void SetTitle(const std::string& title);
    // Finds another copy by its title (exact, else prefix) and brings its
    // window to the front when it is shown.
    bool Activate(const std::string& title) const;

private:
    HINSTANCE instance_;
    HWND titleWindow_ = nullptr;
    KernelHandle mutex_;
    bool decided_ = false;
    bool anotherCopy_ = false;
};

}  // namespace win32
}  // namespace quellar
