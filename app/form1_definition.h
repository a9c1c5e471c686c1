#pragma once

#include "runtime/colours.h"

#include <array>
#include <optional>
#include <string_view>

// The stored definition of the main window: its settings and its fifteen
// controls, from which the window is built at start. Positions and sizes are
// in twips (1440 to the inch); texts are UTF-8.
namespace form1 {

enum class ControlKind { TextBox, Label, CommandButton };

enum class TextAlignment { Left, Right, Centre };

struct ControlDefinition {
    std::string_view name;
    ControlKind kind;
    std::string_view text; // Text of a TextBox, Caption of a Label or CommandButton
    int left;
    int top;
    int width;
    int height;
    double fontPoints; // 0: the window's font
    int tabIndex;
    TextAlignment alignment = TextAlignment::Left;
    std::optional<runtime::StoredColour> backColour = std::nullopt;
    std::optional<runtime::StoredColour> foreColour = std::nullopt;
    bool autoSize = false; // the label grows or shrinks to fit its caption
};

struct WindowDefinition {
    std::string_view name;
    std::string_view caption;
    runtime::StoredColour backColour;
    bool maxButton;
    int left; // of the client area, from the screen's top-left
    int top;
    int clientWidth;
    int clientHeight;
    std::string_view fontFamily;
    double fontPoints;
};

inline constexpr int kTwipsPerInch = 1440;

inline constexpr WindowDefinition kWindow{
    "Form1", "切削速度计算", runtime::kInactiveTitleBar, false, 7005, 3450, 4530, 5175,
    "宋体",  12.0,
};

using enum ControlKind;
using enum TextAlignment;
using runtime::kButtonShadow;
using runtime::kInactiveTitleBar;
using runtime::kWindowText;

// In stored order, which is also the order in which the controls are created.
// clang-format off
inline constexpr std::array<ControlDefinition, 15> kControls{{
//   name      kind           text          left   top  width height  font  tab  align   back                 fore
    {"cmd3",   CommandButton, "清 除",      1680, 4440, 1215, 495,   0,     14},
    {"cmd2",   CommandButton, "退 出",      3120, 4440, 1215, 495,   0,     13},
    {"cmd1",   CommandButton, "计 算",       240, 4440, 1215, 495,   0,      5, Left,   kButtonShadow},
    {"txt4",   TextBox,       "1",          1680, 2880, 1215, 495,  18,      4, Centre},
    {"txt3",   TextBox,       "",           1680, 2080, 1215, 495,  18,      3, Centre},
    {"txt2",   TextBox,       "",           1680, 1280, 1215, 495,  18,      2, Centre},
    {"txt1",   TextBox,       "",           1680,  480, 1215, 495,  18,      1, Centre},
    {"lab1",   Label,         "",            480, 3600, 3735, 615,  15,     12, Left,   0x00C0FFFF},
    {"Label7", Label,         "mm/z",       3000, 2280, 1215, 495,  15.75,  11, Left,   kInactiveTitleBar},
    {"Label6", Label,         "mm",         3000, 1440, 1215, 495,  15.75,  10, Left,   kInactiveTitleBar},
    {"Label5", Label,         "m/min",      3000,  720, 1215, 495,  15.75,   9, Left,   kInactiveTitleBar},
    {"Label1", Label,         "切削速度",     360,  600, 1260, 315,  15.75,   8, Left,   kInactiveTitleBar, kWindowText, true},
    {"Label2", Label,         "工件直径",     360, 1320, 1260, 315,  15.75,   7, Left,   kInactiveTitleBar, kWindowText, true},
    {"Label3", Label,         "进给量",       675, 2160,  945, 315,  15.75,   6, Left,   kInactiveTitleBar, kWindowText, true},
    {"Label4", Label,         "刀具刃数",     360, 3000, 1260, 315,  15.75,   0, Left,   kInactiveTitleBar, kWindowText, true},
}};
// clang-format on

// Each input box and the caption label that names it.
struct Caption {
    std::string_view box;
    std::string_view label;
};
inline constexpr std::array<Caption, 4> kCaptions{{
    {"txt1", "Label1"},
    {"txt2", "Label2"},
    {"txt3", "Label3"},
    {"txt4", "Label4"},
}};

} // namespace form1

namespace form1 {

// Twips to pixels at a resolution in dots per inch: 15 twips to a pixel at 96.
constexpr int twipsToPixels(int twips, double dotsPerInch) {
    const double pixels = twips * dotsPerInch / kTwipsPerInch;
    return static_cast<int>(pixels + 0.5);
}

} // namespace form1
