#include "e2e/RemoteBuffer.h"

namespace e2e {

RemoteBuffer::RemoteBuffer(DWORD processId, std::size_t size)
    : process_(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_QUERY_INFORMATION,
                           FALSE, processId)),
      size_(size) {
    if (!process_) return;
    address_ = VirtualAllocEx(process_.get(), nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
}

RemoteBuffer::~RemoteBuffer() {
    if (address_ != nullptr) VirtualFreeEx(process_.get(), address_, 0, MEM_RELEASE);
}

LPARAM RemoteBuffer::at(std::size_t offset) const {
    return reinterpret_cast<LPARAM>(static_cast<char*>(address_) + offset);
}

bool RemoteBuffer::write(const void* data, std::size_t size, std::size_t offset) {
    if (!ok() || offset + size > size_) return false;
    SIZE_T written = 0;
    return WriteProcessMemory(process_.get(), static_cast<char*>(address_) + offset, data, size, &written) &&
           written == size;
}

bool RemoteBuffer::read(void* data, std::size_t size, std::size_t offset) const {
    if (!ok() || offset + size > size_) return false;
    SIZE_T got = 0;
    return ReadProcessMemory(process_.get(), static_cast<char*>(address_) + offset, data, size, &got) && got == size;
}

}  // namespace e2e
