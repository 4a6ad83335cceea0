// The window class of tab pages, frames and the icon picture: a plain
// surface that holds controls and passes their notifications up to the
// main window, where they are handled.
#pragma once

#include <windows.h>

namespace quellar {
namespace win32 {

bool RegisterContainerClass(HINSTANCE instance);

}  // namespace win32
}  // namespace quellar
