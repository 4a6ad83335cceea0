// The window's controls, by their names in the control table. Called by
// every part of the form; none of these calls comes back into the form.
#pragma once

#include <string>

#include "app/Layout.h"

namespace quellar {

// What a screen reader announces a control as, where it would guess wrong.
enum class SpokenRole { AsMade, Link };

class Controls {
public:
    // A caption, or a text box's or list's text.
    virtual std::string Text(ControlId control) = 0;
    virtual void SetText(ControlId control, const std::string& text) = 0;
    virtual void SetEnabled(ControlId control, bool enabled) = 0;
    virtual bool Ticked(ControlId checkBox) = 0;
    virtual void SetTicked(ControlId checkBox, bool ticked) = 0;
    virtual void AddItem(ControlId list, const std::string& item) = 0;
    virtual void SetLinkTarget(ControlId link, const std::string& target) = 0;
    // The name and role screen readers announce for the control; systems
    // without a way to set them keep their own.
    virtual void SetSpokenName(ControlId control, const std::string& name, SpokenRole role) = 0;

protected:
    ~Controls() = default;
};

}  // namespace quellar
