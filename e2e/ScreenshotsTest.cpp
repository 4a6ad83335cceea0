// Pictures of each tab (saved for people to look at) and what only a
// picture shows: the links' blue text.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "e2e/ExpectedLayout.h"
#include "e2e/Options.h"
#include "e2e/ProgramTest.h"
#include "e2e/Screenshot.h"
#include "e2e/Wait.h"

namespace e2e {
namespace {

using quellar::ControlId;

constexpr DWORD kRepaintMs = 300;
constexpr std::size_t kFewestColoursOfAFilledWindow = 4;

class Screenshots : public ProgramTest {
protected:
    // Shows the page with nothing over it and takes the window's picture.
    std::optional<Image> pictureOfPage(int page) {
        if (!session().clickTab(page)) return std::nullopt;
        SetCursorPos(0, 0);  // no hover effects or tooltips in the picture
        Settle(kRepaintMs);
        return CaptureWindow(session().mainWindow());
    }

    // The control's area within a picture of the main window.
    RECT areaInPicture(ControlId id) {
        RECT window{};
        RECT area{};
        GetWindowRect(session().mainWindow(), &window);
        GetWindowRect(control(id), &area);
        OffsetRect(&area, -window.left, -window.top);
        return area;
    }
};

std::size_t ColourCount(const Image& image) {
    return std::set<std::uint32_t>(image.pixels.begin(), image.pixels.end()).size();
}

bool IsBlue(Rgb pixel) { return pixel.blue >= 128 && pixel.red < 64 && pixel.green < 64; }

std::size_t BluePixels(const Image& image) {
    std::size_t count = 0;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) count += IsBlue(image.at(x, y)) ? 1 : 0;
    return count;
}

TEST_F(Screenshots, EachTabIsPicturedAndSaved) {
    for (int page = 0; page < TabCaptionCount(); ++page) {
        const auto picture = pictureOfPage(page);
        ASSERT_TRUE(picture) << "no picture of tab " << page;
        EXPECT_GE(ColourCount(*picture), kFewestColoursOfAFilledWindow) << "tab " << page << " looks empty";
        const std::string& folder = GetOptions().shotsFolder;
        if (!folder.empty()) {
            const std::string path = folder + "\\tab" + std::to_string(page + 1) + ".bmp";
            EXPECT_TRUE(SaveBmp(*picture, path)) << path;
        }
    }
}

TEST_F(Screenshots, LinksOnTheAboutPageAreBlue) {
    constexpr int kAboutPage = 2;
    const auto picture = pictureOfPage(kAboutPage);
    ASSERT_TRUE(picture);
    for (const ControlId link : {ControlId::HlblURL, ControlId::hypHelp}) {
        ASSERT_NE(control(link), nullptr);
        EXPECT_GT(BluePixels(Crop(*picture, areaInPicture(link))), 0u) << Row(link).name << " is not blue";
    }
}

TEST_F(Screenshots, PlainLabelsAreNotBlue) {
    const auto picture = pictureOfPage(0);
    ASSERT_TRUE(picture);
    ASSERT_NE(control(ControlId::lblVersion), nullptr);
    EXPECT_EQ(BluePixels(Crop(*picture, areaInPicture(ControlId::lblVersion))), 0u);
}

}  // namespace
}  // namespace e2e
