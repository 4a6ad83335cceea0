// The per-user store that keeps the options, by key; where it lies is the
// platform's business. Called by the options (settings/); none of these
// calls comes back into the form. Each is false when the store refused.
#pragma once

#include <string>

namespace quellar {

class OptionStore {
public:
    // A key that is absent reads as empty text.
    virtual bool Load(const std::string& key, std::string& text) = 0;
    virtual bool Save(const std::string& key, const std::string& text) = 0;
    virtual bool Remove(const std::string& key) = 0;

protected:
    ~OptionStore() = default;
};

}  // namespace quellar
