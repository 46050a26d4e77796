#include "tests/support/fake_platform.h"

namespace grafipix::testing {

const char* windowname(Window w) {
    switch (w) {
        case Window::Main: return "Main";
        case Window::Preview: return "Preview";
        case Window::Apropos: return "Apropos";
        case Window::Apercu: return "Apercu";
        case Window::Code: return "Code";
    }
    return "?";
}

void FakePlatform::showwindow(Window w) {
    log.push_back(std::string("show ") + windowname(w));
    visible[w] = true;
}

void FakePlatform::hidewindow(Window w) {
    log.push_back(std::string("hide ") + windowname(w));
    visible[w] = false;
}

void FakePlatform::settimer(Timer t, bool enabled, int intervalms) {
    log.push_back(std::string("timer ") + (t == Timer::Main1 ? "Main1" : "Code1") + (enabled ? " on " : " off ") +
                  std::to_string(intervalms));
    timers[t] = enabled;
}

std::string FakePlatform::inputbox(const std::string& prompt, const std::string& title) {
    prompts.push_back(prompt + "|" + title);
    if (inputs.empty()) return "";
    std::string a = inputs.front();
    inputs.pop_front();
    return a;
}

std::string FakePlatform::openfile(const std::string& filter) {
    filters.push_back(filter);
    if (opens.empty()) return "";
    std::string a = opens.front();
    opens.pop_front();
    return a;
}

std::string FakePlatform::savefile(const std::string& filter, const std::string& filename) {
    filters.push_back(filter);
    savenames.push_back(filename);
    if (saves.empty()) return "";
    std::string a = saves.front();
    saves.pop_front();
    return a;
}

bool FakePlatform::loadpicture(const std::string& path, Samples& out, std::string& error) {
    if (onload) return onload(path, out, error);
    error = "no picture loader in this test";
    return false;
}

bool FakePlatform::savebitmap(const std::string& path, const Picture& p, std::string& error) {
    if (onsave) return onsave(path, p, error);
    error = "no picture saver in this test";
    return false;
}

float FakePlatform::rnd() {
    ++rndcalls;
    if (randoms.empty()) return source_.next();
    float r = randoms.front();
    randoms.pop_front();
    return r;
}

}  // namespace grafipix::testing
