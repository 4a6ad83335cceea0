// Resource identifiers (also read by the resource compiler, which knows only
// #define).
#pragma once

#define IDI_QUELLAR 1
#define IDR_MANIFEST 1
