#pragma once

#include <cstdint>

namespace runtime {

// A stored colour: 0x00BBGGRR for a fixed colour, 0x800000nn for system
// colour nn.
using StoredColour = std::uint32_t;

constexpr StoredColour systemColour(std::uint32_t index) {
    return 0x80000000u | index;
}

inline constexpr StoredColour kInactiveTitleBar = systemColour(3);
inline constexpr StoredColour kWindowBackground = systemColour(5);
inline constexpr StoredColour kWindowText = systemColour(8);
inline constexpr StoredColour kHighlight = systemColour(13);
inline constexpr StoredColour kHighlightText = systemColour(14);
inline constexpr StoredColour kButtonFace = systemColour(15);
inline constexpr StoredColour kButtonShadow = systemColour(16);
inline constexpr StoredColour kGrayText = systemColour(17);
inline constexpr StoredColour kButtonText = systemColour(18);

struct Rgb {
    int red;
    int green;
    int blue;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The colour to paint. System colours take the values they have by default
// on current desktops of the original platform, since other systems have no
// such table; an unknown system colour, and the text colours 8 and 18, paint
// black.
constexpr Rgb toRgb(StoredColour colour) {
    if (colour & 0x80000000u) {
        switch (colour & 0xFFu) {
        case 3:
            return {191, 205, 219};
        case 5:
            return {255, 255, 255};
        case 13:
            return {0, 120, 215};
        case 14:
            return {255, 255, 255};
        case 15:
            return {240, 240, 240};
        case 16:
            return {160, 160, 160};
        case 17:
            return {109, 109, 109};
        default:
            return {0, 0, 0};
        }
    }
    return {static_cast<int>(colour & 0xFFu), static_cast<int>((colour >> 8) & 0xFFu),
            static_cast<int>((colour >> 16) & 0xFFu)};
}

} // namespace runtime
