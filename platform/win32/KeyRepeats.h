// The keys that act (Enter, Space, Alt with a letter) act once per press,
// where the press began. A key held down repeats, and its repeats go on to
// whatever takes the keyboard next: the button that gets the focus back when
// the tray menu's Restore brings the window back, or the question that the
// press opened, which they would answer unseen.
#pragma once

#include <windows.h>

#include "platform/win32/Handles.h"

namespace quellar {
namespace win32 {

// Watches every message the program's thread takes from its queue, in its
// own loop, a question's or the tray menu's, for as long as it lives.
class KeyRepeats {
public:
    KeyRepeats();
    // The program lost the keyboard: the keys it saw go down may come up elsewhere.
    static void Forget();

private:
    Hook hook_;
};

}  // namespace win32
}  // namespace quellar
