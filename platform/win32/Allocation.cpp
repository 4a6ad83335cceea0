// The program's own global allocation functions, every replaceable form. The
// standard library's throw std::bad_alloc when memory runs out, and throwing
// links the exception runtime, the unwinder and its frame tables, over 30 KB,
// into a program that catches nothing. An uncaught bad_alloc ends the process
// through std::terminate and abort; these call abort at once, and the nothrow
// forms return null as the standard asks. They consult no new handler: the
// program sets none. tests/footprint-test.sh fails on the link map when one of
// the library's forms or std::set_new_handler is linked again.
#include <cstdint>
#include <cstdlib>
#include <new>

namespace {

// malloc(0) may give null, which new must never return.
void* Allocate(std::size_t size) noexcept { return std::malloc(size ? size : 1); }

void* AllocateOrAbort(std::size_t size) {
    void* block = Allocate(size);
    if (!block) std::abort();
    return block;
}

// msvcrt.dll of Windows 95 and NT 4.0 has no _aligned_malloc: the block is
// taken larger from malloc, and the address malloc gave is kept just below
// the aligned one that is handed out.
void* AllocateAligned(std::size_t size, std::align_val_t alignment) noexcept {
    const auto align = static_cast<std::size_t>(alignment);
    const std::size_t extra = align - 1 + sizeof(void*);
    if (size > SIZE_MAX - extra) return nullptr;
    void* base = std::malloc(size + extra);
    if (!base) return nullptr;
    const std::uintptr_t aligned = (reinterpret_cast<std::uintptr_t>(base) + extra) & ~std::uintptr_t{align - 1};
    void** block = reinterpret_cast<void**>(aligned);
    block[-1] = base;
    return block;
}

void* AllocateAlignedOrAbort(std::size_t size, std::align_val_t alignment) {
    void* block = AllocateAligned(size, alignment);
    if (!block) std::abort();
    return block;
}

void FreeAligned(void* block) noexcept {
    if (block) std::free(static_cast<void**>(block)[-1]);
}

}  // namespace

void* operator new(std::size_t size) { return AllocateOrAbort(size); }
void* operator new[](std::size_t size) { return AllocateOrAbort(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new(std::size_t size, std::align_val_t alignment) { return AllocateAlignedOrAbort(size, alignment); }
void* operator new[](std::size_t size, std::align_val_t alignment) { return AllocateAlignedOrAbort(size, alignment); }
void* operator new(std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept {
    return AllocateAligned(size, alignment);
}
void* operator new[](std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept {
    return AllocateAligned(size, alignment);
}

void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { std::free(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { std::free(block); }
void operator delete(void* block, std::align_val_t) noexcept { FreeAligned(block); }
void operator delete[](void* block, std::align_val_t) noexcept { FreeAligned(block); }
void operator delete(void* block, std::size_t, std::align_val_t) noexcept { FreeAligned(block); }
void operator delete[](void* block, std::size_t, std::align_val_t) noexcept { FreeAligned(block); }
void operator delete(void* block, std::align_val_t, const std::nothrow_t&) noexcept { FreeAligned(block); }
void operator delete[](void* block, std::align_val_t, const std::nothrow_t&) noexcept { FreeAligned(block); }
