#include "settings/Options.h"

namespace quellar {

bool Options::SaveOption(ControlId checkBox, const std::string& key) {
    return store_.Save(key, controls_.Ticked(checkBox) ? "1" : "0");
}

bool Options::LoadOption(std::string& result, const std::string& key, ControlId checkBox) {
    std::string text;
    if (!store_.Load(key, text)) return false;
    result = text;
    controls_.SetTicked(checkBox, text == "1");
    return true;
}

bool Options::LoadAll() {
    bool minimise = false;
    for (const Option& option : kOptions) {
        std::string text;
        LoadOption(text, option.key, option.box);
        if (option.box == ControlId::chkMinimise) minimise = text == "1";
    }
    return minimise;
}

void Options::SaveAll() {
    for (const Option& option : kOptions) SaveOption(option.box, option.key);
}

void Options::ClearAll() {
    for (const Option& option : kOptions) controls_.SetTicked(option.box, false);
    SaveAll();
}

void Options::ResetWarning() {
    store_.Save("Warning", "0");
    store_.Remove("Warning");
}

}  // namespace quellar
