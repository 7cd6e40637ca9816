// The redecorating dialog as the rules see it: its swatch colour and picture path as plain
// data, and the events of its controls. The window draws the data and reports the events.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "controls.h"

namespace zupel {

struct OptionForm {
    bool visible = false;
    uint32_t swatch = kRoomCyan;  // Picture1: the colour the room gets on OK
    std::string Text1;            // the room picture's path, as typed
    bool settingsLost = false;    // OK or RESET could not write the settings through
};

// One handler per control: the colour button, the browse button, OK, CANCEL, RESET, and every
// edit of the path.
struct OptionformEvents {
    std::function<void()> Command5_Click;
    std::function<void()> Command1_Click;
    std::function<void()> Command3_Click;
    std::function<void()> Command2_Click;
    std::function<void()> Command4_Click;
    std::function<void(const std::string&)> Text1_Change;
};

}  // namespace zupel
