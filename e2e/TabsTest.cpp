// The tab strip: three pages, the first selected, and the user switching.
#include <gtest/gtest.h>

#include "e2e/CommonControls.h"
#include "e2e/ExpectedLayout.h"
#include "e2e/Input.h"
#include "e2e/ProgramTest.h"

namespace e2e {
namespace {

class Tabs : public ProgramTest {};

TEST_F(Tabs, ThereAreThreeAndTheFirstIsSelected) {
    const HWND strip = session().tabStrip();
    ASSERT_NE(strip, nullptr);
    EXPECT_EQ(TabCount(strip), TabCaptionCount());
    EXPECT_EQ(SelectedTab(strip), 0);
}

TEST_F(Tabs, CaptionsAreTheFormsTabCaptions) {
    const HWND strip = session().tabStrip();
    ASSERT_NE(strip, nullptr);
    for (int page = 0; page < TabCaptionCount(); ++page) {
        EXPECT_EQ(TabCaption(strip, session().program().processId(), page),
                  std::string(quellar::Form().tabCaptions[page]))
            << "tab " << page;
    }
}

TEST_F(Tabs, AtStartOnlyTheFirstPagesControlsAreShown) { EXPECT_TRUE(ShownControlsMatchPage(session(), 0)); }

TEST_F(Tabs, ClickingATabShowsItsControlsAndHidesTheOthers) {
    for (const int page : {1, 2, 0, 2, 1}) {
        ASSERT_TRUE(session().clickTab(page)) << "tab " << page << " not selected by a click; " << session().describeClickTarget();
        EXPECT_TRUE(ShownControlsMatchPage(session(), page));
    }
}

TEST_F(Tabs, CtrlTabSelectsTheNextTabAndWrapsAround) {
    ASSERT_TRUE(session().bringToFront());
    for (const int page : {1, 2, 0}) {
        PressWithModifier(VK_CONTROL, VK_TAB);
        ASSERT_TRUE(session().waitForPage(page)) << "Ctrl+Tab did not select tab " << page;
        EXPECT_TRUE(ShownControlsMatchPage(session(), page));
    }
}

}  // namespace
}  // namespace e2e
