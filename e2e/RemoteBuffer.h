// Memory inside the program's process. Common-control messages such as
// TCM_GETITEM and TTM_GETTEXT take pointers that are not carried across
// processes, so the driver lends them a buffer in the program's own space.
#pragma once

#include <windows.h>

#include <cstddef>

#include "e2e/Handles.h"

namespace e2e {

class RemoteBuffer {
public:
    RemoteBuffer(DWORD processId, std::size_t size);
    ~RemoteBuffer();
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    bool ok() const { return address_ != nullptr; }
    // The buffer's address in the program's process, plus offset.
    LPARAM at(std::size_t offset = 0) const;
    bool write(const void* data, std::size_t size, std::size_t offset = 0);
    bool read(void* data, std::size_t size, std::size_t offset = 0) const;

private:
    UniqueHandle process_;
    void* address_ = nullptr;
    std::size_t size_ = 0;
};

}  // namespace e2e
