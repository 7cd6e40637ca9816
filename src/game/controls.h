// The controls of the main window as the rules see them: plain data the rules write and the
// window draws. Nothing here knows about widgets.
#pragma once

#include <cstdint>
#include <string>

#include "spoken_line.h"

namespace zupel {

// Colours are 0x00BBGGRR: red in the lowest byte.
constexpr uint32_t kRoomCyan = 0xFFFFC0;
constexpr uint32_t kLightGrey = 0xC0C0C0;
constexpr uint32_t kWhite = 0xFFFFFF;

// The temperature slider: positions 0 (top) to 10 (bottom), ten degrees a position.
constexpr int kSliderLast = 10;
constexpr int kDegreesPerStep = 10;

// Where the slime is in the room, in room pixels (the room is 200 x 200).
struct SlimeRect {
    float left = 96;
    float top = 96;
    float width = 10;
    float height = 10;
    bool operator==(const SlimeRect&) const = default;
};

enum class PointerIcon { none, hand, furi };

struct Pointer {
    bool custom = false;                   // false: the default arrow
    PointerIcon icon = PointerIcon::none;  // stays assigned when the pointer goes back to default
    bool operator==(const Pointer&) const = default;
};

struct Controls {
    // The status panel and the speech line. The status and the captions are the Japanese texts
    // of the rules (PlayerText), which the window says in the player's language.
    std::string namebox = "すらいむ";  // the name it shows until the slime's own: never translated
    std::string agebox;
    std::string ondobox = "50";
    std::string infobox;
    SpokenLine wordbox;

    // The picture buttons: feed, play, talk, freeze.
    bool button1Enabled = true;
    bool button2Enabled = true;
    bool button3Enabled = true;
    bool button4Enabled = true;
    std::string button2Caption;
    std::string button3Caption;

    int slider1Position = 0;
    bool slider1Enabled = true;

    std::string wordinboxText;
    bool wordinboxEnabled = false;
    uint32_t wordinboxColor = kLightGrey;
    bool wordbuttonEnabled = false;

    // The room and the slime in it.
    uint32_t roomColor = kRoomCyan;
    std::string roomPicture;  // path of the picture shown in the room; empty for none
    bool slimeVisible = false;
    SlimeRect slime;
    int slimeFrame = 1;  // which stored picture sura(0) shows, 1 to 19

    Pointer pointer;

    bool operator==(const Controls&) const = default;
};

}  // namespace zupel
