// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The platform of the editor served by Qt: secondary windows, timers, modal
// boxes, file dialogs, picture files and the random source.

#include <QImage>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <array>

#include "app/platform.h"
#include "render/random_source.h"

namespace grafipix::ui {

class Application;
class CodeWindow;

class QtPlatform : public Platform {
public:
    static constexpr int maxpromptwidth = 600;

    explicit QtPlatform(Application& app);
    ~QtPlatform() override;

    void showwindow(Window w) override;
    void hidewindow(Window w) override;
    void endprocess() override;
    void settimer(Timer t, bool enabled, int intervalms) override;
    void messagebox(const std::string& text) override;
    std::string inputbox(const std::string& prompt, const std::string& title) override;
    std::optional<std::string> inputboxwith(const std::string& prompt, const std::string& title,
                                            const std::string& initial) override;
    std::optional<wincolour> choosecolour(wincolour initial, const std::string& title) override;
    std::optional<std::pair<int, int>> choosereplacement(const std::vector<wincolour>& colours, int from, int to,
                                                         const std::string& title) override;
    std::string openfile(const std::string& filter) override;
    std::string savefile(const std::string& filter, const std::string& filename) override;
    std::string savefiletype(const std::string& filter, const std::string& filename, int& chosen) override;
    bool readpicturefile(const std::string& path, PictureFile& out, std::string& error) override;
    bool fileexists(const std::string& path) override;
    std::vector<std::string> recentfiles() override;
    void keeprecentfiles(const std::vector<std::string>& paths) override;
    bool loadpicture(const std::string& path, int columns, int rows, Pixels& out, std::string& error) override;
    bool importdialog(ImportDialog& dialog) override;
    bool savebitmap(const std::string& path, const Picture& p, std::string& error) override;
    bool savebytes(const std::string& path, const std::string& bytes, std::string& error) override;
    float rnd() override { return random_.next(); }
    bool savedrawing(const std::string& text, std::string& error) override;
    bool loaddrawing(std::string& text, std::string& error) override;
    // Where the drawing is kept: a file in QStandardPaths::AppDataLocation.
    static QString keptdrawing();

    // The window if it exists now (nullptr once the user has closed it).
    QWidget* window(Window w);
    CodeWindow* codewindow();
    bool endrequested() const { return endrequested_; }
    bool timerenabled(Timer t) const;

    // Show the editor's state in the secondary windows.
    void refresh();
    void closeall();

protected:
    Application& app_;

private:
    QWidget* create(Window w);

    std::array<QPointer<QWidget>, 6> windows_;
    std::array<QTimer*, 2> timers_{};
    RandomSource random_;
    QImage apercupicture_;  // the last picture loaded, for `Apercu` once imported
    bool endrequested_ = false;
};

}  // namespace grafipix::ui
