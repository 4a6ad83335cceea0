#include "app/Layout.h"

#include "app/Version.h"

namespace quellar {
namespace {

using C = ControlId;
using K = ControlKind;
constexpr int kNoPage = -1;

// One row per control: id, name, kind, container, tab page, place in twips,
// text, tooltip, enabled, alignment, word wrap, border, max length, url.
// clang-format off
constexpr ControlSpec kControls[kControlCount] = {
    {C::SSTabQuellar, "SSTabQuellar", K::TabStrip, C::None, kNoPage, {60, 60, 3675, 3255}, "", nullptr, true,
     Align::Left, false, false, 0, nullptr},

    // First tab, "Quellar 2000"
    {C::pxOne, "pxOne", K::PictureBox, C::SSTabQuellar, 0, {60, 360, 3555, 2835}, "", nullptr, true, Align::Left,
     false, true, 0, nullptr},
    {C::fraVersion, "fraVersion", K::Frame, C::pxOne, kNoPage, {0, 0, 3495, 435}, "", nullptr, true, Align::Left,
     false, false, 0, nullptr},
    {C::lblVersion, "lblVersion", K::Label, C::fraVersion, kNoPage, {0, 120, 3435, 195}, "Windows XX on \\\\COMPUTER",
     "Displays Windows version and workstation name", true, Align::Centre, true, false, 0, nullptr},
    {C::fraButtons, "fraButtons", K::Frame, C::pxOne, kNoPage, {60, 360, 3375, 1215}, "", nullptr, true,
     Align::Left, false, true, 0, nullptr},
    {C::cmdLogOff, "cmdLogOff", K::CommandButton, C::fraButtons, kNoPage, {120, 240, 1515, 375}, "&Log Off User",
     "Log off current user", true, Align::Centre, false, false, 0, nullptr},
    {C::cmdShutdown, "cmdShutdown", K::CommandButton, C::fraButtons, kNoPage, {1740, 240, 1515, 375}, "&Shut Down",
     "Shut down the workstation", true, Align::Centre, false, false, 0, nullptr},
    {C::cmdReboot, "cmdReboot", K::CommandButton, C::fraButtons, kNoPage, {120, 720, 1515, 375}, "&Reboot",
     "Reboot the workstation", true, Align::Centre, false, false, 0, nullptr},
    {C::cmdPowerOff, "cmdPowerOff", K::CommandButton, C::fraButtons, kNoPage, {1740, 720, 1515, 375}, "&Power Down",
     "Power down the workstation", true, Align::Centre, false, false, 0, nullptr},
    {C::fraOptions, "fraOptions", K::Frame, C::pxOne, kNoPage, {60, 1620, 3375, 1095}, "", nullptr, true,
     Align::Left, false, true, 0, nullptr},
    {C::chkForce, "chkForce", K::CheckBox, C::fraOptions, kNoPage, {120, 180, 2475, 195}, "&Force log off or shutdown",
     "Force log off or shutdown of this workstation without saving any open files", true, Align::Left, false, false,
     0, nullptr},
    {C::chkDisable, "chkDisable", K::CheckBox, C::fraOptions, kNoPage, {120, 480, 2475, 195}, "&Disable confirmation",
     "Disable \"Are you sure?\" confirmation dialogs", true, Align::Left, false, false, 0, nullptr},
    {C::chkMinimise, "chkMinimise", K::CheckBox, C::fraOptions, kNoPage, {120, 780, 2475, 195},
     "&Minimise Quellar when loaded", "Minimise Quellar 2000 to the system tray when loaded", true, Align::Left,
     false, false, 0, nullptr},
    {C::cmdClear, "cmdClear", K::CommandButton, C::fraOptions, kNoPage, {2640, 240, 615, 315}, "&Clear",
     "Remove Quellar 2000 settings from the Windows registry", true, Align::Centre, false, false, 0, nullptr},
    {C::cmdSave, "cmdSave", K::CommandButton, C::fraOptions, kNoPage, {2640, 660, 615, 315}, "Sa&ve",
     "Save Quellar 2000 settings in the Windows registry", true, Align::Centre, false, false, 0, nullptr},

    // Second tab, "Advanced"
    {C::pxTwo, "pxTwo", K::PictureBox, C::SSTabQuellar, 1, {60, 360, 3555, 2835}, "", nullptr, true, Align::Left,
     false, true, 0, nullptr},
    {C::cmdAbort, "cmdAbort", K::CommandButton, C::pxTwo, kNoPage, {1830, 1800, 1335, 375}, "Abort", nullptr, false,
     Align::Centre, false, false, 0, nullptr},
    {C::cmdStart, "cmdStart", K::CommandButton, C::pxTwo, kNoPage, {330, 1800, 1335, 375}, "Start", nullptr, true,
     Align::Centre, false, false, 0, nullptr},
    {C::txtCounter, "txtCounter", K::TextBox, C::pxTwo, kNoPage, {2280, 780, 975, 285}, "20", nullptr, true,
     Align::Left, false, true, 5, nullptr},
    {C::lblCounter, "lblCounter", K::Label, C::pxTwo, kNoPage, {180, 840, 2010, 195}, "Time remaining (in seconds):",
     nullptr, true, Align::Left, false, false, 0, nullptr},
    {C::lblInfoAdvanced, "lblInfoAdvanced", K::Label, C::pxTwo, kNoPage, {60, 60, 3375, 615},
     "This tab allows you to set a timer to log off or shutdown your workstation, or to abort a timed log off or "
     "shutdown within the given time below.",
     nullptr, true, Align::Left, true, false, 0, nullptr},
    {C::lblWarning, "lblWarning", K::Label, C::pxTwo, kNoPage, {60, 2280, 3375, 435},
     "(Uses \"Force\" setting from Windows registry, and automatically turns \"Disable\" setting on.)", nullptr,
     true, Align::Centre, true, false, 0, nullptr},
    {C::lstAdvanced, "lstAdvanced", K::ComboBox, C::pxTwo, kNoPage, {1680, 1260, 1515, 315}, kListTextAtCreation,
     nullptr, true, Align::Left, false, false, 0, nullptr},
    {C::lblCombo, "lblCombo", K::Label, C::pxTwo, kNoPage, {300, 1320, 1335, 195}, "Shutdown method:", nullptr,
     true, Align::Right, false, false, 0, nullptr},
    {C::timCounter, "timCounter", K::Timer, C::pxTwo, kNoPage, {0, 0, 0, 0}, "", nullptr, true, Align::Left, false,
     false, 0, nullptr},

    // Third tab, "About": the icon lies over the page
    {C::Picture1, "Picture1", K::PictureBox, C::SSTabQuellar, 2, {240, 540, 540, 540}, "", nullptr, true,
     Align::Left, false, true, 0, nullptr},
    {C::pxThree, "pxThree", K::PictureBox, C::SSTabQuellar, 2, {60, 360, 3555, 2835}, "", nullptr, true,
     Align::Left, false, true, 0, nullptr},
    {C::lblTitle, "lblTitle", K::Label, C::pxThree, kNoPage, {840, 180, 1395, 195}, kProgramTitle, nullptr,
     true, Align::Left, false, false, 0, nullptr},
    {C::lblBuild, "lblBuild", K::Label, C::pxThree, kNoPage, {840, 420, 1470, 195}, "1 January 2001 build", nullptr,
     true, Align::Left, false, false, 0, nullptr},
    {C::HlblURL, "HlblURL", K::HyperLink, C::pxThree, kNoPage, {420, 840, 1950, 195}, "http://quellar.example/",
     "Visit the Quellar 2000 website", true, Align::Left, false, false, 0, "http://quellar.example/"},
    {C::lblCopyright, "lblCopyright", K::Label, C::pxThree, kNoPage, {120, 2100, 3255, 615},
     "Copyright (C) 2001 the Quellar 2000 developers. Free to use and to pass on.", "Copyright message", true,
     Align::Centre, true, false, 0, nullptr},
    {C::hypHelp, "hypHelp", K::HyperLink, C::pxThree, kNoPage, {2760, 840, 450, 195}, "{Help}", nullptr, true,
     Align::Left, false, false, 0, nullptr},
    {C::timTray, "timTray", K::Timer, C::None, kNoPage, {0, 0, 0, 0}, "", nullptr, true, Align::Left, false, false,
     0, nullptr},
};

// clang-format on

using M = MenuId;
constexpr MenuSpec kMenus[kMenuCount] = {
    {M::mPopupSys, "mPopupSys", "&SysTray"},
    {M::mPopRestore, "mPopRestore", "&Restore"},
    {M::mSep1, "mSep1", "-"},
    {M::mPopForce, "mPopForce", "&Force option"},
    {M::mPopDisable, "mPopDisable", "&Disable option"},
    {M::mSep2, "mSep2", "-"},
    {M::mPopLogOff, "mPopLogOff", "&LogOff"},
    {M::mPopShutdown, "mPopShutdown", "&Shut Down"},
    {M::mPopReboot, "mPopReboot", "Re&boot"},
    {M::mPopPowerOff, "mPopPowerOff", "&Power Down"},
    {M::mPopExit, "mPopExit", "E&xit"},
};

constexpr FormSpec kForm = {kProgramTitle, 3780, 3345, {"Quellar 2000", "Advanced", "About"}};

}  // namespace

const ControlSpec* ControlTable() { return kControls; }
const ControlSpec& Row(ControlId id) { return kControls[static_cast<std::size_t>(id)]; }
const MenuSpec* MenuTable() { return kMenus; }
const FormSpec& Form() { return kForm; }

std::uint32_t LinkColour(const SchemeColours& scheme) {
    constexpr std::uint32_t kClassicBlue = 0x00FF0000;
    if (!scheme.highContrast) return kClassicBlue;
    return scheme.hasLinkColour ? scheme.links : scheme.text;
}

}  // namespace quellar
