// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A scripted platform: records what the editor asks for and answers modal
// boxes, file dialogs and the random source from queues set by the test.

#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "app/import_dialog.h"
#include "app/platform.h"
#include "render/random_source.h"

namespace grafipix::testing {

class FakePlatform : public Platform {
public:
    void showwindow(Window w) override { log.push_back("show " + name(w)); }
    void hidewindow(Window w) override { log.push_back("hide " + name(w)); }
    void endprocess() override { ended = true; }
    void settimer(Timer t, bool on, int ms) override {
        log.push_back(std::string(t == Timer::Main1 ? "timer Main1 " : "timer Code1 ") + (on ? "on " : "off ") + std::to_string(ms));
    }
    void messagebox(const std::string& text) override { messages.push_back(text); }
    std::string inputbox(const std::string& prompt, const std::string& title) override { return prompts.push_back(prompt + "|" + title), pop(inputs); }
    // Answers from `inputs` too; an empty queue is Cancel.
    std::optional<std::string> inputboxwith(const std::string& prompt, const std::string& title, const std::string& initial) override {
        prompts.push_back(prompt + "|" + title + "|" + initial);
        return inputs.empty() ? std::nullopt : std::optional(pop(inputs));
    }
    // Answers from `colourpicks` and `replacements`; an empty queue is Cancel.
    std::optional<wincolour> choosecolour(wincolour initial, const std::string& title) override {
        prompts.push_back(title + "|" + std::to_string(initial));
        return popoptional(colourpicks);
    }
    std::optional<std::pair<int, int>> choosereplacement(const std::vector<wincolour>& colours, int from, int to,
                                                         const std::string& title) override {
        prompts.push_back(title + "|" + std::to_string(colours.size()) + "|" + std::to_string(from) + "|" + std::to_string(to));
        return popoptional(replacements);
    }
    std::string openfile(const std::string& filter) override { return filters.push_back(filter), pop(opens); }
    std::string savefile(const std::string& filter, const std::string&) override { return filters.push_back(filter), pop(saves); }
    std::string savefiletype(const std::string& filter, const std::string& name, int& chosen) override { return chosen = choices.empty() ? 0 : pop(choices), savefile(filter, name); }
    bool readpicturefile(const std::string& path, PictureFile& out, std::string& error) override { return onread ? onread(path, out, error) : (error = "no reader in this test", false); }
    bool fileexists(const std::string& path) override { return files.contains(path) || std::filesystem::is_regular_file(path); }
    std::vector<std::string> recentfiles() override { return recent; }
    void keeprecentfiles(const std::vector<std::string>& paths) override { recent = paths; }
    // `onload` fills the samples of the stretched import, a picture of that
    // size, which the stretch gives back; `onpicture`, when set, loads instead.
    bool loadpicture(const std::string& path, int columns, int rows, Pixels& out, std::string& error) override {
        if (onpicture) return onpicture(path, out, error);
        Samples s(columns, rows);
        if (!onload) return error = "no loader in this test", false;
        if (!onload(path, s, error)) return false;
        std::vector<uint32_t> argb(size_t(columns) * rows);
        for (int i = 0; i < columns * rows; ++i) argb[i] = toargb(s.colour[i % columns][i / columns]);
        return out = Pixels(columns, rows, std::move(argb)), true;
    }
    bool importdialog(ImportDialog& dialog) override { return ++dialogs, ondialog ? ondialog(dialog) : true; }
    bool savebitmap(const std::string& path, const Picture& p, std::string& error) override {
        return onsave ? onsave(path, p, error) : (error = "no saver in this test", false);
    }
    bool savebytes(const std::string& path, const std::string& bytes, std::string& error) override {
        return onbytes ? onbytes(path, bytes, error) : (files[path] = bytes, true);
    }
    bool savedrawing(const std::string& text, std::string& error) override { return keepfails ? (error = "disque plein", false) : (kept = text, true); }
    bool loaddrawing(std::string& text, std::string& error) override { return kept.empty() ? (error = "rien", false) : (text = kept, true); }
    float rnd() override { return ++rndcalls, randoms.empty() ? source_.next() : pop(randoms); }

    std::vector<std::string> log;  // "show Preview", "timer Main1 on 1000", ...
    std::vector<std::string> messages, prompts, filters;
    bool ended = false;
    // Answers; an empty queue answers as a cancelled box would.
    std::deque<std::string> inputs, opens, saves;
    std::deque<int> choices;  // the filter entry each save dialog leaves chosen, 0 when empty
    std::deque<wincolour> colourpicks;
    std::deque<std::pair<int, int>> replacements;
    std::function<bool(const std::string&, PictureFile&, std::string&)> onread;
    std::vector<std::string> recent;  // "Dessins récents" as kept between runs
    // Random numbers to hand out first; after them the never-seeded source.
    std::deque<float> randoms;
    int rndcalls = 0;
    std::function<bool(const std::string&, Samples&, std::string&)> onload;
    std::function<bool(const std::string&, Pixels&, std::string&)> onpicture;
    // The user's part in the import's dialog; without it "OK" at once.
    std::function<bool(ImportDialog&)> ondialog;
    int dialogs = 0;
    std::function<bool(const std::string&, const Picture&, std::string&)> onsave;
    // Without `onbytes` the bytes saved are kept here by path.
    std::function<bool(const std::string&, const std::string&, std::string&)> onbytes;
    std::map<std::string, std::string> files;
    std::string kept;  // the drawing kept between runs, unless writing it fails
    bool keepfails = false;
    // The import reads random colours, kept in `loaded`.
    void loadrandom(std::mt19937& random) {
        onload = [this, &random](const std::string&, Samples& out, std::string&) {
            for (auto& column : out.colour)
                for (wincolour& c : column) c = random() & 0xFFFFFF;
            return loaded = out, true;
        };
    }
    Samples loaded;

private:
    static std::string name(Window w) { return std::vector<std::string>{"Main", "Preview", "Apropos", "Apercu", "Code", "Sprite"}[int(w)]; }
    template <class T>
    static std::optional<T> popoptional(std::deque<T>& q) {
        if (q.empty()) return std::nullopt;
        T v = q.front();
        return q.pop_front(), v;
    }
    template <class T>
    static T pop(std::deque<T>& q) {
        T s = q.empty() ? T() : std::move(q.front());
        return q.empty() ? s : (q.pop_front(), s);
    }
    RandomSource source_;
};

}  // namespace grafipix::testing
