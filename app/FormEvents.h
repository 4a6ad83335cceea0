// What the window hands on to the form: its events, already decoded. Called
// by the window's message handlers (platform/win32/MainWindow.cpp), and from
// inside the port's calls that say they call back.
#pragma once

#include <cstdint>

#include "app/Layout.h"

namespace quellar {

class FormEvents {
public:
    virtual void Form_Resize() = 0;
    virtual void Form_MouseMove(std::int16_t button, std::int16_t shift, float x, float y) = 0;
    virtual void Form_Unload(std::int16_t& cancel) = 0;
    // Windows is ending the session: the window goes without being asked.
    virtual void Form_SessionEnd() = 0;
    // The shell's taskbar was made anew and has forgotten every tray icon.
    virtual void Form_TaskbarCreated() = 0;
    virtual void OnClick(ControlId control) = 0;  // buttons, and the list when an item is chosen
    virtual void OnTimer(ControlId timer) = 0;

protected:
    ~FormEvents() = default;
};

}  // namespace quellar
