// The port: every role through which the behaviour reaches Windows, handed
// to the form together. Each role's header says who calls it and which of
// its calls come back into the form; FormEvents.h is the other way, from the
// window to the form. tests/WindowsDouble.h stands in for all of them.
#pragma once

#include "app/Controls.h"
#include "app/OptionStore.h"
#include "app/OtherCopies.h"
#include "app/Questions.h"
#include "app/TextCase.h"
#include "app/Timers.h"
#include "app/TrayIcon.h"
#include "app/TrayMenu.h"
#include "app/Window.h"
#include "app/Workstation.h"

namespace quellar {

struct Ports {
    Controls& controls;
    Timers& timers;
    TrayMenu& menu;
    Window& window;
    Questions& questions;
    OtherCopies& copies;
    OptionStore& store;
    Workstation& workstation;
    TrayIcon& icon;
    TextCase& text;
};

}  // namespace quellar
