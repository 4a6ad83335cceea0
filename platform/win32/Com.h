// COM, which the shell's handlers and the screen readers' annotation service
// need, from ole32 loaded at first use: Windows 95 without DCOM lacks parts
// of it, and most starts never need it.
#pragma once

#include <windows.h>

namespace quellar {
namespace win32 {

// COM set up on this (the program's one) thread, once for the life of the
// process; false where the system cannot.
bool ComReady();
// An object of the class, by the interface asked for; null when there is none.
void* CreateComObject(REFCLSID type, REFIID asked);

}  // namespace win32
}  // namespace quellar
