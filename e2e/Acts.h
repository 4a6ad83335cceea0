// What the steps of the step table (Steps.cpp) do and what their checks
// read, from outside the program, as a user, Windows or another program would.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "e2e/Run.h"

namespace e2e {

// Waits like Run::Expect, and keeps the longest time, since the step that
// caused it, that something took to show.
bool Shows(Run& run, const std::function<bool()>& condition, const std::string& failure);
bool ToFront(Run& run);
bool Keys(Run& run, const std::vector<std::string>& keys);
bool Started(Run& run, int copy);
bool Attach(Run& run);
bool Click(Run& run, const std::string& name);
bool Counting(Run& run, const std::string& started);
bool ClickIcon(Run& run, bool right);
std::string IconTip();
std::string Checked(Run& run, const std::string& name);
bool TypeOnDisplay(Run& run, const std::string& keys);
bool Asks(Run& run, std::string box, std::vector<int> buttons);
bool Answer(Run& run, int id);
bool HoldMarkAsAdministrator(Run& run);
bool WorkElsewhere(Run& run);
bool WindowsEndsSession(Run& run);

}  // namespace e2e
