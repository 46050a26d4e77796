#pragma once
// A scripted platform: records what the editor asks for and answers modal
// boxes, file dialogs and the random source from queues set by the test.

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/platform.h"
#include "core/random_source.h"

namespace grafipix::testing {

class FakePlatform : public Platform {
public:
    void showwindow(Window w) override;
    void hidewindow(Window w) override;
    void endprocess() override { log.push_back("end"); ended = true; }
    void settimer(Timer t, bool enabled, int intervalms) override;
    void messagebox(const std::string& text) override { messages.push_back(text); }
    std::string inputbox(const std::string& prompt, const std::string& title) override;
    std::string openfile(const std::string& filter) override;
    std::string savefile(const std::string& filter, const std::string& filename) override;
    bool loadpicture(const std::string& path, Samples& out, std::string& error) override;
    bool savebitmap(const std::string& path, const Picture& p, std::string& error) override;
    float rnd() override;

    bool shown(Window w) const { return visible.count(w) && visible.at(w); }
    bool timeron(Timer t) const { return timers.count(t) && timers.at(t); }

    // What happened, in order ("show Preview", "timer Main1 on 1000", ...).
    std::vector<std::string> log;
    std::map<Window, bool> visible;
    std::map<Timer, bool> timers;
    std::vector<std::string> messages;
    bool ended = false;

    // Answers; an empty queue answers as a cancelled box would.
    std::deque<std::string> inputs, opens, saves;
    std::vector<std::string> prompts;  // "prompt|title" of each input box
    std::vector<std::string> filters;  // filter of each file dialog
    std::vector<std::string> savenames;  // initial file name of each save dialog
    // Random numbers to hand out first; after them the never-seeded source.
    std::deque<float> randoms;
    int rndcalls = 0;

    std::function<bool(const std::string&, Samples&, std::string&)> onload;
    std::function<bool(const std::string&, const Picture&, std::string&)> onsave;

private:
    RandomSource source_;
};

const char* windowname(Window w);

}  // namespace grafipix::testing
