# SPDX-License-Identifier: GPL-3.0-or-later
# Stand-in for the calculators' casioplot: records every call in order.
calls = []


def clear_screen():
    calls.append("clear")


def set_pixel(x, y, colour=(0, 0, 0)):
    calls.append("pixel %d %d %d %d %d" % ((x, y) + tuple(colour)))


def get_pixel(x, y):
    calls.append("get_pixel")
    return (255, 255, 255)


def show_screen():
    calls.append("show")


def draw_string(x, y, text, colour=(0, 0, 0), size="medium"):
    calls.append("draw_string")
