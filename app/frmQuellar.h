// The main window: its event handlers and procedures hold all the behaviour.
#pragma once

#include <cstdint>

#include "platform/Platform.h"

namespace quellar {

class frmQuellar final : public FormEvents {
public:
    explicit frmQuellar(Platform& platform) : ui_(platform) {}

    void Form_Load();

    // FormEvents
    void Form_Resize() override;
    void Form_MouseMove(std::int16_t button, std::int16_t shift, float x, float y) override;
    void Form_Unload(std::int16_t& cancel) override;
    void OnClick(ControlId control) override;
    void OnMenu(MenuId item) override;
    void OnTimer(ControlId timer) override;

    // Advanced tab
    void SetAdvanced(bool Bool);

private:
    Platform& ui_;
};

}  // namespace quellar
