// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What reaches the editor from outside: the window system's events, the
// converter's steps and the tests' scripts all take this one form, and all go
// through Editor::handle.

#include <string_view>

#include "app/platform.h"

namespace grafipix {

struct Event {
    enum class Kind { load, click, mousedown, mousemove, tick, unload, key, open };
    Kind kind;
    // click: the menu entry or button, by name; key: the key as Qt writes it
    // in portable text ("L", "Esc", "Ctrl++"), Shift and keypad left out;
    // open: the path of a file dropped on the window
    std::string_view control{};
    Timer timer{};               // tick
    Window window{};             // unload
    int button = 0, shift = 0;   // mouse events; the tools ignore both
    float x = 0.0f, y = 0.0f;    // mouse events, in canvas units

    static Event load() { return {Kind::load}; }
    static Event click(std::string_view name) { return {Kind::click, name}; }
    static Event down(float atx, float aty, int buttons = 1, int keys = 0) {
        return {Kind::mousedown, {}, {}, {}, buttons, keys, atx, aty};
    }
    static Event move(float atx, float aty, int buttons = 0, int keys = 0) {
        return {Kind::mousemove, {}, {}, {}, buttons, keys, atx, aty};
    }
    static Event tick(Timer t) { return {Kind::tick, {}, t}; }
    static Event unload(Window w) { return {Kind::unload, {}, {}, w}; }
    static Event key(std::string_view name) { return {Kind::key, name}; }
    static Event open(std::string_view path) { return {Kind::open, path}; }
};

}  // namespace grafipix
