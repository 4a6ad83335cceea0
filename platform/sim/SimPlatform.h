// A simulated Windows for the native tests: it keeps the controls' state,
// records every call in order, and lets a test answer message boxes, choose
// menu items, set what the system reports and make any named call fail.
#pragma once

#include <array>
#include <deque>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace quellar {

// Thrown by End(), so that a test sees the program end where it would.
struct ProgramEnded {};

class SimPlatform : public Platform {
public:
    SimPlatform();

    void Attach(FormEvents& form) { form_ = &form; }

    // What the test arranges.
    void AnswerMsgBox(int answer) { answers_.push_back(answer); }
    void ChooseFromMenu(MenuId item) { menuChoice_ = item; }
    void Fail(const std::string& call) { failing_.insert(call); }
    void SetPrevInstance(bool running) { prevInstance_ = running; }
    void SetRunningApp(const std::string& title) { runningApps_.push_back(title); }
    void SetCurDir(const std::string& dir) { curDir_ = dir; }
    void SetVersion(std::uint32_t platformId, std::uint32_t major, std::uint32_t minor, std::uint32_t getVersion);
    void SetComputerName(const std::string& name) { computerName_ = name; }
    void SetUserName(const std::string& name) { userName_ = name; }
    void SetTwipsPerPixel(float twips) { twipsPerPixel_ = twips; }
    void SetStored(const std::string& key, const std::string& value);  // key is "App\Section\Key"

    // What the test inspects.
    const std::vector<std::string>& Calls() const { return calls_; }
    std::vector<std::string> CallsStartingWith(const std::string& prefix) const;
    void ClearCalls() { calls_.clear(); }
    std::optional<std::string> Stored(const std::string& key) const;
    const std::map<std::string, std::string>& Store() const { return store_; }
    bool Visible() const { return visible_; }
    bool Loaded() const { return loaded_; }
    const std::vector<std::string>& Items(ControlId list) const { return control(list).items; }
    int Interval(ControlId timer) const { return control(timer).interval; }
    std::string LinkTarget(ControlId link) const { return control(link).linkTarget; }
    std::string MenuCaption(MenuId item) const { return menus_[index(item)].caption; }
    std::string Caption() const { return caption_; }
    std::size_t PendingAnswers() const { return answers_.size(); }
    bool TrayIconShown() const { return trayIcon_; }

    // Platform
    std::string Text(ControlId control) override;
    void SetText(ControlId control, const std::string& text) override;
    bool Enabled(ControlId control) override;
    void SetEnabled(ControlId control, bool enabled) override;
    int Value(ControlId checkBox) override;
    void SetValue(ControlId checkBox, int value) override;
    void AddItem(ControlId list, const std::string& item) override;
    void SetInterval(ControlId timer, int milliseconds) override;
    void SetLinkTarget(ControlId link, const std::string& target) override;
    bool Checked(MenuId item) override;
    void SetChecked(MenuId item, bool checked) override;
    void SetMenuCaption(MenuId item, const std::string& caption) override;
    void PopupMenu(MenuId menu) override;
    WindowState State() override { return state_; }
    void SetState(WindowState state) override;
    void Show() override;
    void Hide() override;
    void Refresh() override;
    void SetCaption(const std::string& caption) override;
    void Unload() override;
    std::uint32_t WindowHandle() override { return kWindowHandle; }
    std::uint32_t IconHandle() override { return kIconHandle; }
    float TwipsPerPixelX() override { return twipsPerPixel_; }
    int MsgBox(const std::string& prompt, int style, const std::string& title) override;
    bool PrevInstance() override;
    std::string AppTitle() override { return appTitle_; }
    void SetAppTitle(const std::string& title) override;
    bool AppActivate(const std::string& title) override;
    std::string CurDir() override { return curDir_; }
    void EndProcess() override;
    std::string UpperCase(const std::string& text) override;
    std::string LowerCase(const std::string& text) override;
    bool SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                     const std::string& value) override;
    bool GetSetting(const std::string& app, const std::string& section, const std::string& key,
                    std::string& value) override;
    bool DeleteSetting(const std::string& app, const std::string& section, const std::string& key) override;
    bool GetVersionExA(OsVersionInfo& info) override;
    std::uint32_t GetVersion() override;
    bool GetComputerNameA(char* buffer, std::uint32_t& size) override;
    bool GetUserNameA(char* buffer, std::uint32_t& size) override;
    void SetLastError(std::uint32_t code) override;
    Handle GetCurrentProcess() override;
    bool OpenProcessToken(Handle process, std::uint32_t access, Handle& token) override;
    bool LookupPrivilegeValueA(const char* systemName, const char* name, Luid& luid) override;
    bool AdjustTokenPrivileges(Handle token, bool disableAll, const TokenPrivileges& newState,
                               std::uint32_t bufferLength, TokenPrivileges& previousState,
                               std::uint32_t& returnLength) override;
    bool CloseHandle(Handle handle) override;
    bool ExitWindowsEx(std::uint32_t flags, std::uint32_t reserved) override;
    bool Shell_NotifyIconA(std::uint32_t message, const modSysTray::TrayIconRecord& record) override;
    bool SetForegroundWindow(std::uint32_t window) override;

    static constexpr std::uint32_t kWindowHandle = 0x10010;
    static constexpr std::uint32_t kIconHandle = 0x20020;
    static constexpr Handle kProcessPseudoHandle = static_cast<Handle>(-1);
    static constexpr Handle kTokenHandle = 0x44;
    static constexpr Luid kShutdownLuid = {0x13, 0};

private:
    struct ControlState {
        std::string text;
        bool enabled;
        int value;
        std::vector<std::string> items;
        int interval;
        std::string linkTarget;
    };
    struct MenuState {
        std::string caption;
        bool checked;
    };

    static std::size_t index(ControlId id) { return static_cast<std::size_t>(id); }
    static std::size_t index(MenuId id) { return static_cast<std::size_t>(id); }
    ControlState& control(ControlId id) { return controls_[index(id)]; }
    const ControlState& control(ControlId id) const { return controls_[index(id)]; }
    void record(const std::string& call) { calls_.push_back(call); }
    bool failing(const std::string& call) const { return failing_.count(call) != 0; }
    void resize();

    FormEvents* form_ = nullptr;
    std::array<ControlState, kControlCount> controls_;
    std::array<MenuState, kMenuCount> menus_;
    std::vector<std::string> calls_;
    std::set<std::string> failing_;
    std::deque<int> answers_;
    std::optional<MenuId> menuChoice_;

    WindowState state_ = WindowState::Normal;
    bool visible_ = false;
    bool shownBefore_ = false;
    bool loaded_ = true;
    std::string caption_;
    bool trayIcon_ = false;

    bool prevInstance_ = false;
    std::string appTitle_ = "Quellar";
    std::vector<std::string> runningApps_;
    std::string curDir_ = "C:\\Tools";
    float twipsPerPixel_ = 15.0f;
    std::map<std::string, std::string> store_;

    OsVersionInfo version_{};
    std::uint32_t getVersion_ = 0x0A280105;  // NT family: bit 31 clear
    std::string computerName_ = "office-pc";
    std::string userName_ = "jsmith";
};

// Texts in the call log: quoted, with control and menu names.
std::string Quote(const std::string& text);

}  // namespace quellar
