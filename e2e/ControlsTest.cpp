// Every control of the table, as the program built it: class, parent, text,
// place in pixels, state and tooltip.
#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "e2e/CommonControls.h"
#include "e2e/Controls.h"
#include "e2e/ExpectedLayout.h"
#include "e2e/ProgramTest.h"
#include "e2e/StartState.h"

namespace quellar {
// Failure messages name the control instead of dumping its bytes.
void PrintTo(ControlId id, std::ostream* out) { *out << e2e::Row(id).name; }
}  // namespace quellar

namespace e2e {
namespace {

using quellar::ControlId;
using quellar::ControlKind;

// The closed height of a drop-down combo box follows its font, not the table.
constexpr int kComboHeightSlack = 4;

// One copy of the program for the whole suite: these tests only look.
class Controls : public testing::TestWithParam<ControlId> {
public:
    static void SetUpTestSuite() { session_ = std::make_unique<Session>(); }
    static void TearDownTestSuite() {
        session_.reset();
        tooltips_.reset();
    }

protected:
    void SetUp() override { ASSERT_TRUE(session_->ok()) << session_->error(); }

    const auto& row() const { return Row(GetParam()); }
    HWND window() const { return session_->control(GetParam()); }
    HWND windowOf(ControlId id) const { return id == ControlId::None ? session_->mainWindow() : session_->control(id); }

    // Tooltip texts by control window, from every tooltip window of the program.
    static const std::map<HWND, std::vector<std::string>>& tooltips() {
        if (!tooltips_) {
            tooltips_ = std::make_unique<std::map<HWND, std::vector<std::string>>>();
            for (const HWND tip : TooltipWindows(session_->program().processId())) {
                for (const auto& tool : ToolsOf(tip, session_->program().processId()).value_or(std::vector<Tool>{}))
                    (*tooltips_)[tool.control()].push_back(tool.text);
            }
        }
        return *tooltips_;
    }

private:
    static inline std::unique_ptr<Session> session_;
    static inline std::unique_ptr<std::map<HWND, std::vector<std::string>>> tooltips_;
};

TEST_P(Controls, ExistsWithItsClassAndParent) {
    const HWND hwnd = window();
    ASSERT_NE(hwnd, nullptr) << "no window with id " << WindowIdOf(GetParam());
    EXPECT_EQ(ClassOf(hwnd), ExpectedClass(row().kind));
    const HWND parent = windowOf(ExpectedParent(GetParam()));
    ASSERT_NE(parent, nullptr);
    EXPECT_EQ(GetParent(hwnd), parent) << "expected the window of "
                                       << (ExpectedParent(GetParam()) == ControlId::None
                                               ? "the main window"
                                               : Row(ExpectedParent(GetParam())).name);
}

TEST_P(Controls, HasItsTextAtStart) {
    const HWND hwnd = window();
    ASSERT_NE(hwnd, nullptr);
    EXPECT_EQ(TextOf(hwnd), ExpectedTextAtStart(GetParam())) << "designed as \"" << row().text << "\"";
}

TEST_P(Controls, LiesAtItsPlaceInPixels) {
    const HWND hwnd = window();
    ASSERT_NE(hwnd, nullptr);
    const RECT expected = ExpectedRect(GetParam());
    const RECT actual = RectInParent(hwnd);
    EXPECT_EQ(actual.left, expected.left);
    EXPECT_EQ(actual.top, expected.top);
    EXPECT_EQ(actual.right - actual.left, expected.right - expected.left) << "width";
    if (row().kind == ControlKind::ComboBox) {
        EXPECT_NEAR(actual.bottom - actual.top, expected.bottom - expected.top, kComboHeightSlack) << "height";
    } else {
        EXPECT_EQ(actual.bottom - actual.top, expected.bottom - expected.top) << "height";
    }
}

TEST_P(Controls, IsEnabledAsAtStart) {
    const HWND hwnd = window();
    ASSERT_NE(hwnd, nullptr);
    EXPECT_EQ(static_cast<bool>(IsWindowEnabled(hwnd)), ExpectedEnabledAtStart(GetParam()));
}

TEST_P(Controls, IsVisibleExactlyWhenOnTheFirstPage) {
    const HWND hwnd = window();
    ASSERT_NE(hwnd, nullptr);
    const int page = PageOf(GetParam());
    EXPECT_EQ(static_cast<bool>(IsWindowVisible(hwnd)), page == kAlwaysShown || page == 0) << "page " << page;
}

TEST_P(Controls, HasTheStyleOfItsKind) {
    const HWND hwnd = window();
    ASSERT_NE(hwnd, nullptr);
    const LONG_PTR style = StyleOf(hwnd);
    switch (row().kind) {
        case ControlKind::CommandButton: {
            // The dialog manager marks the focused button as the default one.
            const LONG_PTR type = style & BS_TYPEMASK;
            EXPECT_TRUE(type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) << "button type " << type;
            EXPECT_TRUE(style & WS_TABSTOP);
            break;
        }
        case ControlKind::CheckBox:
            EXPECT_EQ(style & BS_TYPEMASK, BS_AUTOCHECKBOX);
            EXPECT_TRUE(style & WS_TABSTOP);
            break;
        case ControlKind::HyperLink: EXPECT_TRUE(style & SS_NOTIFY) << "a link must report clicks"; break;
        case ControlKind::TextBox: EXPECT_EQ(Ask(hwnd, EM_GETLIMITTEXT), row().maxLength); break;
        case ControlKind::ComboBox: EXPECT_EQ(style & 3, CBS_DROPDOWN); break;
        case ControlKind::PictureBox:
        case ControlKind::Frame:
            // Their controls can only be reached with Tab when the dialog
            // manager may look inside them.
            EXPECT_TRUE(ExStyleOf(hwnd) & WS_EX_CONTROLPARENT);
            break;
        default: EXPECT_TRUE(style & WS_CHILD); break;
    }
}

TEST_P(Controls, HasTheTablesTooltip) {
    const HWND hwnd = window();
    ASSERT_NE(hwnd, nullptr);
    const auto found = tooltips().find(hwnd);
    if (row().tooltip == nullptr) {
        EXPECT_EQ(found, tooltips().end()) << "unexpected tooltip \"" << found->second.front() << "\"";
        return;
    }
    ASSERT_NE(found, tooltips().end()) << "no tooltip; " << tooltips().size() << " controls have one";
    EXPECT_EQ(found->second, std::vector<std::string>{row().tooltip});
}

std::string NameOf(const testing::TestParamInfo<ControlId>& info) { return Row(info.param).name; }

INSTANTIATE_TEST_SUITE_P(Table, Controls, testing::ValuesIn(WindowedControls()), NameOf);

}  // namespace
}  // namespace e2e
