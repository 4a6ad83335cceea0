// The window's control inventory: every control and menu item with its place,
// texts and initial state. The window is built by reading these tables.
#pragma once

#include <cstddef>
#include <cstdint>

namespace quellar {

// The table order: containers come before the controls they hold, and within
// one container the order is the stacking order, top first, which is also the
// order the Tab key follows. A tab strip lies beneath its pages.
enum class ControlId {
    SSTabQuellar,
    pxOne,
    fraVersion,
    lblVersion,
    fraButtons,
    cmdLogOff,
    cmdShutdown,
    cmdReboot,
    cmdPowerOff,
    fraOptions,
    chkForce,
    chkDisable,
    chkMinimise,
    cmdClear,
    cmdSave,
    pxTwo,
    cmdAbort,
    cmdStart,
    txtCounter,
    lblCounter,
    lblInfoAdvanced,
    lblWarning,
    lstAdvanced,
    lblCombo,
    timCounter,
    Picture1,
    pxThree,
    lblTitle,
    lblBuild,
    HlblURL,
    lblCopyright,
    hypHelp,
    timTray,  // offers the tray icon again while the shell refuses it
    None,     // container of the tab control: the window itself
};
constexpr std::size_t kControlCount = static_cast<std::size_t>(ControlId::None);

enum class ControlKind {
    TabStrip,
    PictureBox,
    Frame,
    Label,
    CommandButton,
    CheckBox,
    TextBox,
    ComboBox,
    Timer,
    HyperLink
};

enum class Align { Left, Centre, Right };

struct Twips {
    int left, top, width, height;
};
constexpr int kTwipsPerInch = 1440;
// A pixel's width in twips on a screen of this many dots per inch.
inline float TwipsPerPixel(int dpi) { return static_cast<float>(kTwipsPerInch) / static_cast<float>(dpi); }

struct ControlSpec {
    ControlId id;
    const char* name;
    ControlKind kind;
    ControlId container;
    int tabPage;  // page of the tab control holding it, or -1 when its container is not the tab control
    Twips place;
    const char* text;     // caption or text at creation; "&" marks the access key
    const char* tooltip;  // nullptr: none
    bool enabled;
    Align align;
    bool wordWrap;
    bool border;      // frames: drawn; picture boxes: sunken
    int maxLength;    // text box only; 0 means no limit
    const char* url;  // hyperlinks only; nullptr: no target yet
};

const ControlSpec& Row(ControlId id);
const ControlSpec* ControlTable();  // kControlCount entries, in ControlId order

// The list of actions starts with a placeholder, in two spellings. Its text
// at creation is no item: start-up disables Start while the text is still
// this one. The item is the list's first: choosing it switches the countdown's
// inputs off, and Start does nothing while it is chosen.
constexpr const char* kListTextAtCreation = "(Make Selection)";
constexpr const char* kPlaceholderItem = "(Make selection)";

enum class MenuId {
    mPopupSys,
    mPopRestore,
    mSep1,
    mPopForce,
    mPopDisable,
    mSep2,
    mPopLogOff,
    mPopShutdown,
    mPopReboot,
    mPopPowerOff,
    mPopExit,
};
constexpr std::size_t kMenuCount = static_cast<std::size_t>(MenuId::mPopExit) + 1;

struct MenuSpec {
    MenuId id;
    const char* name;
    const char* caption;  // "-" is a separator line
};

const MenuSpec* MenuTable();  // kMenuCount entries: the menu itself, then its items top to bottom

// The system's colour scheme as a link's drawing reads it; colours as Windows
// writes them, 0x00BBGGRR.
struct SchemeColours {
    bool highContrast;
    bool hasLinkColour;  // 95 and NT 4.0 have none
    std::uint32_t links, text;
};
// The links' text colour: the classic blue, but in High Contrast the scheme's
// own colour for links, or for text where it has none, since blue on High
// Contrast Black would be unreadable.
std::uint32_t LinkColour(const SchemeColours& scheme);

constexpr int kTabCount = 3;  // the tab strip's tabs, each with its page of controls

struct FormSpec {
    const char* caption;
    int clientWidth, clientHeight;  // twips
    const char* tabCaptions[kTabCount];
};
const FormSpec& Form();

}  // namespace quellar
