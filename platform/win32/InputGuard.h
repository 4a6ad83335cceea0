// Keys and clicks act only as the user meant them. The keys that act (Enter,
// Space, Alt with a letter) act once per press, where the press began: a key
// held down repeats, and its repeats would go on to whatever takes the
// keyboard next, the button that gets the focus back when the tray menu's
// Restore brings the window back, or the question that the press opened,
// which they would answer unseen. And a question is answered only by input
// that came after the user could see it: keys typed ahead, or the second
// click of a fast double click on an action button, fall on it otherwise.
#pragma once

#include <windows.h>

#include "platform/win32/Handles.h"

namespace quellar {
namespace win32 {

// Watches every message the program's thread takes from its queue, in its
// own loop, a question's or the tray menu's, for as long as it lives.
class InputGuard {
public:
    InputGuard();
    // The program lost the keyboard: the keys it saw go down may come up elsewhere.
    static void Forget();
    // A question opens now: keys and mouse buttons pressed before it, or
    // within a double click's time after, do nothing.
    static void QuestionOpens();

private:
    Hook hook_;
};

}  // namespace win32
}  // namespace quellar
