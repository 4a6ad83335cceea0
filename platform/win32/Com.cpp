#include "platform/win32/Com.h"

#include <objbase.h>

#include "platform/win32/Exports.h"

namespace quellar {
namespace win32 {
namespace {

HMODULE Ole32() {
    static const HMODULE ole32 = LoadLibraryA("ole32.dll");
    return ole32;
}

}  // namespace

bool ComReady() {
    static const bool ready = [] {
        const auto initialise = Export<decltype(&::CoInitializeEx)>(Ole32(), "CoInitializeEx");
        return initialise && SUCCEEDED(initialise(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
    }();
    return ready;
}

void* CreateComObject(REFCLSID type, REFIID asked) {
    const auto create = Export<decltype(&::CoCreateInstance)>(Ole32(), "CoCreateInstance");
    void* object = nullptr;
    if (!ComReady() || !create || FAILED(create(type, nullptr, CLSCTX_INPROC_SERVER, asked, &object))) return nullptr;
    return object;
}

}  // namespace win32
}  // namespace quellar
