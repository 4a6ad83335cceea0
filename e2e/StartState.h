// What the program changes in the designed window while it loads: the
// user's name on the log-off button, the Windows version and computer name,
// and Start, which waits for a shutdown method to be chosen.
#pragma once

#include <string>

#include "app/Layout.h"

namespace e2e {

std::string ExpectedTextAtStart(quellar::ControlId id);
bool ExpectedEnabledAtStart(quellar::ControlId id);

}  // namespace e2e
