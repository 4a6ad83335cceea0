// Other copies of the program in this session, found by a title. Called only
// at start-up; none of these calls comes back into the form.
#pragma once

#include <string>

namespace quellar {

class OtherCopies {
public:
    // Whether another copy runs; the first call decides for good.
    virtual bool AnotherCopyRuns() = 0;
    // This copy's title, by which other copies find it.
    virtual std::string Title() = 0;
    virtual void SetTitle(const std::string& title) = 0;
    // The copy with this title (exactly, else beginning with it) comes to the
    // front when it is shown; false when there is none.
    virtual bool ActivateCopy(const std::string& title) = 0;

protected:
    ~OtherCopies() = default;
};

}  // namespace quellar
