#pragma once
// The colours that carry meaning on the panel. The window maps them to RGB.
namespace vx {

enum class Colour {
    ButtonFace,  // the platform's button face: nothing to say
    Yellow,      // 255,255,0: selected output, its input, members of the group shown
    Lime,        // 0,255,0: route in force, sequence row recalled last
    Red,         // 255,0,0: pending route or disconnect, lit status light
    DarkGreen,   // 0,128,0: unlit status light
    Aqua,        // 0,255,255: the "select an output first" hint
};

}  // namespace vx
