// Functions looked up when first needed rather than imported, so that the
// program still loads on the Windows versions that lack them.
#pragma once

#include <windows.h>

namespace quellar {
namespace win32 {

// The named function of a library, or null when the library or the function
// is missing. Name its type after the system's own declaration,
// decltype(&::Function): a hand-written type with the wrong calling
// convention would corrupt the stack of the 32-bit release alone.
template <typename Function>
Function Export(HMODULE library, const char* name) {
    return library ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name))) : nullptr;
}

}  // namespace win32
}  // namespace quellar
