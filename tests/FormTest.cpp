// The form's answers to what Windows does and Wine does not show, through a
// stand-in for Windows behind the port.
#include <gtest/gtest.h>

#include <sstream>

#include "app/frmQuellar.h"
#include "tests/WindowsDouble.h"

namespace quellar {
namespace {

// The program, started with the options stored as "Key=text ...".
struct Started {
    WindowsDouble windows;
    frmQuellar form{windows};

    explicit Started(const std::string& stored = "", bool firstShowMinimised = false) {
        windows.form = &form;
        std::istringstream options(stored);
        for (std::string option; options >> option;)
            windows.store["Startup\\" + option.substr(0, option.find('='))] = option.substr(option.find('=') + 1);
        windows.firstShowMinimised = firstShowMinimised;
        form.Form_Load();
    }
    // The shell's notification about the icon arrives as a pointer move to
    // x = the message, which the window hands on in twips.
    void Notify(int message) {
        const float twipsPerPixel = 1440.0f / static_cast<float>(windows.dpi);
        form.Form_MouseMove(0, 0, static_cast<float>(message) * twipsPerPixel, 0);
    }
};

// Every scaling step of Windows 10 and 11, custom ones, and the old screens.
TEST(Tray, TheIconAnswersAtEveryResolution) {
    for (int dpi = 72; dpi <= 480; ++dpi) {
        Started program("Minimise=1");
        program.windows.dpi = dpi;
        program.Notify(517);
        EXPECT_EQ(program.windows.menusOpened, 1) << "the right button at " << dpi << " dpi";
        program.Notify(515);
        EXPECT_TRUE(program.windows.visible && program.windows.state == WindowState::Normal)
            << "a double click at " << dpi << " dpi";
    }
}

}  // namespace
}  // namespace quellar
