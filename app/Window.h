// The main window as a whole. Called by the form and the tray.
#pragma once

#include <string>

namespace quellar {

enum class WindowState : int { Normal = 0, Minimised = 1, Maximised = 2 };

class Window {
public:
    virtual WindowState State() = 0;
    // Calls back: a change of state runs Form_Resize before it returns, as on
    // Windows.
    virtual void SetState(WindowState state) = 0;
    // Calls back: the first show runs Form_Resize; it is a minimise when a
    // "Run: Minimized" shortcut started the program.
    virtual void Show() = 0;
    virtual void Hide() = 0;
    virtual void Refresh() = 0;
    virtual void BringToFront() = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    // Calls back: runs Form_Unload, and unless it cancels, the window is gone
    // and the program ends once the current handler returns.
    virtual void Close() = 0;
    // The form measures mouse positions in twips.
    virtual float TwipsPerPixelX() = 0;

protected:
    ~Window() = default;
};

}  // namespace quellar
