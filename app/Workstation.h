// The workstation and this program's process on it. Called at start-up and
// by the actions; none of these calls comes back into the form.
#pragma once

#include <cstdint>
#include <string>

namespace quellar {

// What the program reads of the system's version record; all zero when the
// record cannot be read.
struct WindowsVersion {
    std::uint32_t platformId;
    std::uint32_t major;
    std::uint32_t minor;
};

class Workstation {
public:
    virtual WindowsVersion VersionRecord() = 0;
    // The system's version as one number, whose top bit is clear on the NT family.
    virtual std::uint32_t VersionNumber() = 0;
    // The names and the folder are empty when they cannot be read.
    virtual std::string ComputerName() = 0;
    virtual std::string UserName() = 0;
    virtual std::string StartFolder() = 0;  // the folder the program was started in
    virtual void ClearLastError() = 0;
    // The NT family ends a session only for a process whose token holds the
    // shutdown privilege enabled.
    virtual void EnableShutdownPrivilegeInToken() = 0;
    // Asks Windows to end the session with these flags (log off, shut down,
    // reboot, power down, force); Windows only starts doing so. False, with
    // the system's own words for why, when Windows refuses.
    virtual bool AskToEndSession(std::uint32_t flags, std::string& whyRefused) = 0;
    // Ends the program's process at once; no handler runs after it.
    [[noreturn]] virtual void EndProgram() = 0;

protected:
    ~Workstation() = default;
};

}  // namespace quellar
