// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Scripts checked as the calculators take them, and run under MicroPython
// for Node and under python3 against the stand-in casioplot, for the tests
// of the target given the runners' paths.

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

namespace grafipix::testing {

// What MicroPython 1.9 refuses, a file list garbles or the calculators'
// editor cuts, the strings' insides aside: "" for none.
inline std::string faults(const std::string& s) {
    if (!std::ranges::all_of(s, [](char c) { return c == '\n' || (c >= ' ' && c <= '~'); })) return "not printable ASCII";
    for (size_t at = 0, end; at < s.size(); at = end + 1)
        if ((end = std::min(s.find('\n', at), s.size())) - at > 255) return "a line past 255 characters";
    const std::string code = std::regex_replace(s, std::regex(R"("[^"\n]*"|'[^'\n]*')"), "\"\"");
    for (const char* bad : {R"((^|\W)[rR]?[fF][rR]?"")", R"((^|[\n;])\s*(import|from)\b(?! casioplot import \*\n))", "__import__|:="})
        if (std::regex_search(code, std::regex(bad))) return bad;
    return "";
}

// The calls as the stand-in writes them, each run of pixels sorted: a script
// may draw in any order.
inline std::string sortedpixels(const std::string& calls) {
    std::vector<std::string> lines;
    for (size_t at = 0, end; at < calls.size(); at = end + 1)
        if ((end = std::min(calls.find('\n', at), calls.size())) > at) lines.push_back(calls.substr(at, end - at));
    for (auto run = lines.begin(); run != lines.end();) {
        auto stop = std::find_if(run, lines.end(), [](const std::string& l) { return !l.starts_with("pixel "); });
        std::sort(run, stop);
        run = stop == run ? stop + 1 : stop;
    }
    std::string out;
    for (const std::string& l : lines) out += l + "\n";
    return out;
}

inline bool micropythonmissing() {
    return !std::filesystem::exists(GRAFIPIX_MICROPYTHON) && !std::getenv("GRAFIPIX_NEED_MICROPYTHON");
}

// For each runner, "" when the scripts at `paths` (space-separated) made
// exactly the calls `expected` lists, else what differs.
inline std::vector<std::string> rundifferences(const std::string& paths, const std::string& expected) {
    std::vector<std::string> out;
    const std::string want = sortedpixels(expected);
    for (const char* runner : {"node " GRAFIPIX_TEST_SUPPORT "/run_scripts.mjs " GRAFIPIX_MICROPYTHON, "python3 " GRAFIPIX_TEST_SUPPORT "/run_scripts.py"}) {
        std::string got;
        FILE* pipe = popen((runner + paths).c_str(), "r");
        for (char buffer[65536]; size_t n = pipe ? fread(buffer, 1, sizeof buffer, pipe) : 0;) got.append(buffer, n);
        const bool ran = pipe && pclose(pipe) == 0;
        got = sortedpixels(got);
        out.push_back(ran && got == want ? ""
                                         : std::string(runner) + (ran ? "" : " failed;") + " differs from: " +
                                               got.substr(size_t(std::ranges::mismatch(got, want).in1 - got.begin()), 300));
    }
    return out;
}

}  // namespace grafipix::testing
