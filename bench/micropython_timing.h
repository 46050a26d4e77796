// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// MicroPython for Node's times, in milliseconds, for a script and for the
// function `bare` of another, from one start of Node; both 0 when Node or
// MicroPython is missing (make bench installs it).

#include <cstdio>
#include <filesystem>
#include <string>
#include <utility>

namespace grafipix::bench {

inline std::pair<double, double> micropythonms(const std::filesystem::path& script, const std::filesystem::path& bare) {
    const std::string command = std::string("node ") + GRAFIPIX_BENCH_DIR "/micropython_time.mjs " GRAFIPIX_MICROPYTHON " " +
                                script.string() + " " + bare.string() + " 2>&1";
    std::pair<double, double> times{0, 0};
    if (FILE* out = popen(command.c_str(), "r")) {
        if (std::fscanf(out, "%lf %lf", &times.first, &times.second) != 2) times = {0, 0};
        pclose(out);
    }
    return times;
}

}  // namespace grafipix::bench
