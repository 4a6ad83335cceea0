#include "platform/sim/SimPlatform.h"

#include "tray/modSysTray.h"

#include <cstdio>
#include <cstring>
#include <stdexcept>

namespace quellar {
namespace {

std::string Hex(std::uint64_t value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "0x%llX", static_cast<unsigned long long>(value));
    return buffer;
}

const char* Name(ControlId id) { return Row(id).name; }
const char* Name(MenuId id) { return Row(id).name; }
const char* Bool(bool value) { return value ? "true" : "false"; }

const char* TrayMessage(std::uint32_t message) {
    switch (message) {
        case modSysTray::NIM_ADD: return "NIM_ADD";
        case modSysTray::NIM_MODIFY: return "NIM_MODIFY";
        case modSysTray::NIM_DELETE: return "NIM_DELETE";
        default: return "?";
    }
}

// Windows-1252 letters outside ASCII that have a partner of the other case.
unsigned char UpperCp1252(unsigned char c) {
    if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 32);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 32);
    switch (c) {
        case 0x9A: return 0x8A;
        case 0x9C: return 0x8C;
        case 0x9E: return 0x8E;
        case 0xFF: return 0x9F;
        default: return c;
    }
}

unsigned char LowerCp1252(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
    switch (c) {
        case 0x8A: return 0x9A;
        case 0x8C: return 0x9C;
        case 0x8E: return 0x9E;
        case 0x9F: return 0xFF;
        default: return c;
    }
}

std::string StoreKey(const std::string& app, const std::string& section, const std::string& key) {
    return app + "\\" + section + "\\" + key;
}

// Copies text into a caller's buffer as the A-functions do: false when it does not fit.
bool CopyOut(const std::string& text, char* buffer, std::uint32_t& size, bool countNul) {
    if (text.size() + 1 > size) return false;
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    size = static_cast<std::uint32_t>(text.size() + (countNul ? 1 : 0));
    return true;
}

}  // namespace

std::string Quote(const std::string& text) { return "\"" + text + "\""; }

SimPlatform::SimPlatform() {
    for (std::size_t i = 0; i < kControlCount; ++i) {
        const ControlSpec& row = ControlTable()[i];
        controls_[i] = ControlState{row.text, row.enabled, 0, {}, 0, row.url ? row.url : ""};
    }
    for (std::size_t i = 0; i < kMenuCount; ++i) menus_[i] = MenuState{MenuTable()[i].caption, false};
    caption_ = Form().caption;
    SetVersion(2, 5, 0, 0x08930005);
}

void SimPlatform::SetVersion(std::uint32_t platformId, std::uint32_t major, std::uint32_t minor,
                             std::uint32_t getVersion) {
    version_ = OsVersionInfo{};
    version_.dwPlatformId = platformId;
    version_.dwMajorVersion = major;
    version_.dwMinorVersion = minor;
    getVersion_ = getVersion;
}

void SimPlatform::SetStored(const std::string& key, const std::string& value) { store_[key] = value; }

std::optional<std::string> SimPlatform::Stored(const std::string& key) const {
    auto found = store_.find(key);
    if (found == store_.end()) return std::nullopt;
    return found->second;
}

std::vector<std::string> SimPlatform::CallsStartingWith(const std::string& prefix) const {
    std::vector<std::string> matching;
    for (const std::string& call : calls_) {
        if (call.compare(0, prefix.size(), prefix) == 0) matching.push_back(call);
    }
    return matching;
}

std::string SimPlatform::Text(ControlId id) { return control(id).text; }

void SimPlatform::SetText(ControlId id, const std::string& text) {
    record(std::string("SetText(") + Name(id) + ", " + Quote(text) + ")");
    control(id).text = text;
}

bool SimPlatform::Enabled(ControlId id) { return control(id).enabled; }

void SimPlatform::SetEnabled(ControlId id, bool enabled) {
    record(std::string("SetEnabled(") + Name(id) + ", " + Bool(enabled) + ")");
    control(id).enabled = enabled;
}

int SimPlatform::Value(ControlId id) { return control(id).value; }

void SimPlatform::SetValue(ControlId id, int value) {
    record(std::string("SetValue(") + Name(id) + ", " + std::to_string(value) + ")");
    control(id).value = value;
}

void SimPlatform::AddItem(ControlId id, const std::string& item) {
    record(std::string("AddItem(") + Name(id) + ", " + Quote(item) + ")");
    control(id).items.push_back(item);
}

void SimPlatform::SetInterval(ControlId id, int milliseconds) {
    record(std::string("SetInterval(") + Name(id) + ", " + std::to_string(milliseconds) + ")");
    control(id).interval = milliseconds;
}

void SimPlatform::SetLinkTarget(ControlId id, const std::string& target) {
    record(std::string("SetLinkTarget(") + Name(id) + ", " + Quote(target) + ")");
    control(id).linkTarget = target;
}

bool SimPlatform::Checked(MenuId id) { return menus_[index(id)].checked; }

void SimPlatform::SetChecked(MenuId id, bool checked) {
    record(std::string("SetChecked(") + Name(id) + ", " + Bool(checked) + ")");
    menus_[index(id)].checked = checked;
}

void SimPlatform::SetMenuCaption(MenuId id, const std::string& caption) {
    record(std::string("SetMenuCaption(") + Name(id) + ", " + Quote(caption) + ")");
    menus_[index(id)].caption = caption;
}

void SimPlatform::PopupMenu(MenuId id) {
    record(std::string("PopupMenu(") + Name(id) + ")");
    if (!menuChoice_) return;
    const MenuId chosen = *menuChoice_;
    menuChoice_.reset();
    if (form_) form_->OnMenu(chosen);
}

// Like ShowWindow: a change of state sends the resize event at once, and
// restoring a hidden window shows it.
void SimPlatform::SetState(WindowState state) {
    record("SetState(" + std::to_string(static_cast<int>(state)) + ")");
    if (state == state_) return;
    state_ = state;
    if (state != WindowState::Minimised) visible_ = true;
    resize();
}

void SimPlatform::Show() {
    record("Show()");
    visible_ = true;
    if (!shownBefore_) {  // the first display resizes the window
        shownBefore_ = true;
        resize();
    }
}

void SimPlatform::Hide() {
    record("Hide()");
    visible_ = false;
}

void SimPlatform::Refresh() { record("Refresh()"); }

void SimPlatform::SetCaption(const std::string& caption) {
    record("SetCaption(" + Quote(caption) + ")");
    caption_ = caption;
}

void SimPlatform::Unload() {
    record("Unload()");
    if (!loaded_) return;
    std::int16_t cancel = 0;
    if (form_) form_->Form_Unload(cancel);
    if (cancel == 0) {
        loaded_ = false;
        visible_ = false;
        record("(window unloaded)");
    }
}

void SimPlatform::resize() {
    if (form_) form_->Form_Resize();
}

int SimPlatform::MsgBox(const std::string& prompt, int style, const std::string& title) {
    record("MsgBox(" + Quote(prompt) + ", " + std::to_string(style) + ", " + Quote(title) + ")");
    if (answers_.empty()) throw std::logic_error("unexpected message box: " + prompt);
    const int answer = answers_.front();
    answers_.pop_front();
    return answer;
}

bool SimPlatform::PrevInstance() {
    record("PrevInstance()");
    return prevInstance_;
}

void SimPlatform::SetAppTitle(const std::string& title) {
    record("SetAppTitle(" + Quote(title) + ")");
    appTitle_ = title;
}

bool SimPlatform::AppActivate(const std::string& title) {
    record("AppActivate(" + Quote(title) + ")");
    if (failing("AppActivate")) return false;
    for (const std::string& app : runningApps_) {
        if (app == title) return true;
    }
    for (const std::string& app : runningApps_) {
        if (app.compare(0, title.size(), title) == 0) return true;
    }
    return false;
}

void SimPlatform::EndProcess() {
    record("End()");
    throw ProgramEnded{};
}

std::string SimPlatform::UpperCase(const std::string& text) {
    std::string result = text;
    for (char& c : result) c = static_cast<char>(UpperCp1252(static_cast<unsigned char>(c)));
    return result;
}

std::string SimPlatform::LowerCase(const std::string& text) {
    std::string result = text;
    for (char& c : result) c = static_cast<char>(LowerCp1252(static_cast<unsigned char>(c)));
    return result;
}

bool SimPlatform::SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                              const std::string& value) {
    record("SaveSetting(" + Quote(app) + ", " + Quote(section) + ", " + Quote(key) + ", " + Quote(value) + ")");
    if (failing("SaveSetting") || failing("SaveSetting " + key)) return false;
    store_[StoreKey(app, section, key)] = value;
    return true;
}

bool SimPlatform::GetSetting(const std::string& app, const std::string& section, const std::string& key,
                             std::string& value) {
    record("GetSetting(" + Quote(app) + ", " + Quote(section) + ", " + Quote(key) + ")");
    if (failing("GetSetting")) return false;
    auto found = store_.find(StoreKey(app, section, key));
    value = found == store_.end() ? std::string() : found->second;
    return true;
}

bool SimPlatform::DeleteSetting(const std::string& app, const std::string& section, const std::string& key) {
    record("DeleteSetting(" + Quote(app) + ", " + Quote(section) + ", " + Quote(key) + ")");
    if (failing("DeleteSetting")) return false;
    store_.erase(StoreKey(app, section, key));
    return true;
}

bool SimPlatform::GetVersionExA(OsVersionInfo& info) {
    record("GetVersionExA(" + std::to_string(info.dwOSVersionInfoSize) + ")");
    if (failing("GetVersionExA") || info.dwOSVersionInfoSize != sizeof(OsVersionInfo)) return false;
    const std::uint32_t size = info.dwOSVersionInfoSize;
    info = version_;
    info.dwOSVersionInfoSize = size;
    return true;
}

std::uint32_t SimPlatform::GetVersion() {
    record("GetVersion()");
    return getVersion_;
}

bool SimPlatform::GetComputerNameA(char* buffer, std::uint32_t& size) {
    record("GetComputerNameA(" + std::to_string(size) + ")");
    if (failing("GetComputerNameA")) return false;
    return CopyOut(computerName_, buffer, size, false);
}

bool SimPlatform::GetUserNameA(char* buffer, std::uint32_t& size) {
    record("GetUserNameA(" + std::to_string(size) + ")");
    if (failing("GetUserNameA")) return false;
    return CopyOut(userName_, buffer, size, true);
}

void SimPlatform::SetLastError(std::uint32_t code) { record("SetLastError(" + std::to_string(code) + ")"); }

Handle SimPlatform::GetCurrentProcess() {
    record("GetCurrentProcess()");
    return kProcessPseudoHandle;
}

bool SimPlatform::OpenProcessToken(Handle process, std::uint32_t access, Handle& token) {
    record("OpenProcessToken(" + Hex(process) + ", " + Hex(access) + ")");
    if (failing("OpenProcessToken")) return false;
    token = kTokenHandle;
    return true;
}

bool SimPlatform::LookupPrivilegeValueA(const char* systemName, const char* name, Luid& luid) {
    record("LookupPrivilegeValueA(" + Quote(systemName ? systemName : "(null)") + ", " + Quote(name) + ")");
    if (failing("LookupPrivilegeValueA")) return false;
    luid = kShutdownLuid;
    return true;
}

bool SimPlatform::AdjustTokenPrivileges(Handle token, bool disableAll, const TokenPrivileges& newState,
                                        std::uint32_t bufferLength, TokenPrivileges&, std::uint32_t& returnLength) {
    record("AdjustTokenPrivileges(" + Hex(token) + ", " + Bool(disableAll) + ", {" +
           std::to_string(newState.PrivilegeCount) + ", " + Hex(newState.Luid.LowPart) + ":" +
           std::to_string(newState.Luid.HighPart) + ", " + std::to_string(newState.Attributes) + "}, " +
           std::to_string(bufferLength) + ")");
    if (failing("AdjustTokenPrivileges")) return false;
    returnLength = sizeof(TokenPrivileges);
    return true;
}

bool SimPlatform::CloseHandle(Handle handle) {
    record("CloseHandle(" + Hex(handle) + ")");
    return !failing("CloseHandle");
}

bool SimPlatform::ExitWindowsEx(std::uint32_t flags, std::uint32_t reserved) {
    record("ExitWindowsEx(" + std::to_string(flags) + ", " + Hex(reserved) + ")");
    return !failing("ExitWindowsEx");
}

// Like the shell: an add while the icon is there, a delete while it is not,
// or a record without a window is refused.
bool SimPlatform::Shell_NotifyIconA(std::uint32_t message, const modSysTray::TrayIconRecord& record) {
    this->record(std::string("Shell_NotifyIconA(") + TrayMessage(message) + ", " + Hex(record.hWnd) + ")");
    if (failing("Shell_NotifyIconA") || record.hWnd == 0 || record.cbSize != sizeof record) return false;
    if (message == modSysTray::NIM_ADD && !trayIcon_) return trayIcon_ = true;
    if (message == modSysTray::NIM_DELETE && trayIcon_) {
        trayIcon_ = false;
        return true;
    }
    return false;
}

bool SimPlatform::SetForegroundWindow(std::uint32_t window) {
    record("SetForegroundWindow(" + Hex(window) + ")");
    return !failing("SetForegroundWindow");
}

}  // namespace quellar
