// Editing the real program's property grid as a user does: a click on a row's value, the new text, Return.
#pragma once

#include "X11Window.h"

#include <cstdlib>
#include <string>
#include <unistd.h>

// Sets "速度" of the selected gravity-mode effect. The row's value cell is
// found by its place in the main window's default layout (1280 × 1000, the
// node rows above the particle rows).
inline bool TypeIntoSpeedRow(X11Session& x, XWindow window, const std::string& value) {
    int left = 0, top = 0, width = 0, height = 0;
    if (!x.geometry(window, left, top, width, height)) return false;
    const std::string focus = "xdotool windowfocus --sync " + std::to_string(window) + " >/dev/null 2>&1";
    const std::string click = "xdotool mousemove " + std::to_string(left + 1125) + " " + std::to_string(top + 315) +
                              " click 1 >/dev/null 2>&1";
    if (std::system(focus.c_str()) != 0 || std::system(click.c_str()) != 0) return false;
    usleep(400000);
    const std::string type = "xdotool key ctrl+a && xdotool type --delay 20 '" + value + "' && xdotool key Return";
    return std::system(type.c_str()) == 0;
}
