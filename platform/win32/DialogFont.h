// The window's font, MS Sans Serif 8.25 pt at the screen's resolution.
#pragma once

#include <windows.h>

namespace quellar {
namespace win32 {

// The face is a bitmap font with sizes for some resolutions only. Where it
// has none for this one, its TrueType twin scales instead; a wider face
// standing in for the twin is made a pixel smaller at a time until every
// caption of the control table fits its control. window: any window on the screen.
HFONT ChooseDialogFont(int dpi, HWND window);

}  // namespace win32
}  // namespace quellar
