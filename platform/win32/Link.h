// The About tab's links: owner-drawn buttons, so that they take the focus,
// Tab reaches them and Enter or Space opens them like a click.
#pragma once

#include <windows.h>

namespace quellar {
namespace win32 {

// The link's caption in blue (or High Contrast's colours) on the button face,
// with the focus rectangle around it while it has the keyboard focus and the
// keyboard cues are shown.
void DrawLink(const DRAWITEMSTRUCT& item);

}  // namespace win32
}  // namespace quellar
