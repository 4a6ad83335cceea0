#include "e2e/ExpectedLayout.h"

#include "e2e/Handles.h"
#include "resources/resource.h"

namespace e2e {

using quellar::ControlId;
using quellar::ControlKind;

int ScreenDpi() {
    ScreenDc screen;
    return GetDeviceCaps(screen.get(), LOGPIXELSX);
}

int Px(int twips) { return MulDiv(twips, ScreenDpi(), kTwipsPerInch); }

int WindowIdOf(ControlId id) { return quellar::ids::Control(static_cast<int>(id)); }

std::vector<ControlId> WindowedControls() {
    std::vector<ControlId> ids;
    for (std::size_t i = 0; i < quellar::kControlCount; ++i) {
        const auto& row = quellar::ControlTable()[i];
        if (row.kind != ControlKind::Timer) ids.push_back(row.id);
    }
    return ids;
}

std::string ExpectedClass(ControlKind kind) {
    switch (kind) {
        case ControlKind::TabStrip: return "SysTabControl32";
        case ControlKind::PictureBox:
        case ControlKind::Frame: return quellar::ids::kContainerClass;
        case ControlKind::Label:
        case ControlKind::HyperLink: return "Static";
        case ControlKind::CommandButton:
        case ControlKind::CheckBox: return "Button";
        case ControlKind::TextBox: return "Edit";
        case ControlKind::ComboBox: return "ComboBox";
        case ControlKind::Timer: return "";
    }
    return "";
}

ControlId ExpectedParent(ControlId id) {
    const ControlId container = Row(id).container;
    return container == ControlId::SSTabQuellar ? ControlId::None : container;
}

RECT ExpectedRect(ControlId id) {
    const auto& place = Row(id).place;
    int left = Px(place.left);
    int top = Px(place.top);
    if (Row(id).container == ControlId::SSTabQuellar) {
        const auto& strip = Row(ControlId::SSTabQuellar).place;
        left += Px(strip.left);
        top += Px(strip.top);
    }
    return {left, top, left + Px(place.width), top + Px(place.height)};
}

int PageOf(ControlId id) {
    for (ControlId current = id; Row(current).container != ControlId::None; current = Row(current).container) {
        if (Row(current).container == ControlId::SSTabQuellar) return Row(current).tabPage;
    }
    return kAlwaysShown;
}

SIZE ExpectedClientSize() { return {Px(quellar::Form().clientWidth), Px(quellar::Form().clientHeight)}; }

int TabCaptionCount() { return static_cast<int>(std::size(quellar::Form().tabCaptions)); }

}  // namespace e2e
