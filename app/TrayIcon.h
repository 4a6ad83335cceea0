// The program's one icon in the shell's tray, with the program's title as
// its tip; the shell's notifications about it reach the form as
// Form_MouseMove. Called by the tray (tray/); neither call comes back into
// the form.
#pragma once

namespace quellar {

class TrayIcon {
public:
    // True when the shell shows the icon afterwards, added now or before;
    // false when it refused (it does while it is busy).
    virtual bool Add() = 0;
    virtual void Delete() = 0;

protected:
    ~TrayIcon() = default;
};

}  // namespace quellar
