// Long random sessions through the event funnel, with every control of Main
// clicked at random (the funnel refuses what the user could not reach) and
// the rules that must hold after every event checked after every event. That
// the program of any picture redraws it is the round trip's to show.

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <cstdlib>
#include <random>
#include <sstream>

#include "core/main_controls.h"
#include "exchange/picture_io.h"
#include "models/colour_buttons.h"
#include "models/model_table.h"
#include "tests/support/fake_platform.h"

namespace grafipix {
namespace {

class Session {
public:
    explicit Session(unsigned seed) : random_(seed), ed_(platform_) {
        platform_.onload = [](auto& path, Samples& out, std::string& why) { return exchange::loadsamples(path, out, why); };
        platform_.onsave = exchange::writebitmap;
        ed_.handle(Event::load());
        for (const ButtonRow& b : mainbuttons()) controls_.push_back(b.name);
        for (const MenuRow& m : menutree())
            if (m.click && m.click != &Editor::exit_Click && m.click != &Editor::about_Click) controls_.push_back(m.name);
    }

    void run(long count) {
        for (long n = 0; n < count && !::testing::Test::HasFatalFailure(); ++n) {
            const Event e = pick();
            where_ = "event " + std::to_string(n) + " (" + std::string(e.control) + ")";
            ed_.handle(e);
            check();
        }
    }

private:
    // A control a third of the time ("Nouveau" less often, or little would
    // ever be drawn), mostly the canvas, now and then the Code window.
    Event pick() {
        const unsigned r = random_() % 100;
        if (r < 33) {
            const std::string_view name = controls_[random_() % controls_.size()];
            if (name == "importation") prepareimport();
            if (name == "exportation") platform_.saves = {folder_.filePath("export.bmp").toStdString()};
            return name == "new" && random_() % 2 ? pick() : Event::click(name);
        }
        if (r < 54) return Event::down(position(128), position(64), 1 << (random_() % 3));
        if (r < 98) return Event::move(position(128), position(64), random_() % 2);
        const char* answers[] = {"", "0", "3", "-5", "9", "35", "2.5", "abc"};
        platform_.inputs = {answers[random_() % std::size(answers)]};
        return r < 99 ? Event::tick(Timer::Code1) : Event::unload(Window::Code);
    }

    // Odd values, far outside (a drag with a button held), whole cells, or anywhere on the canvas.
    float position(float span) {
        const float odd[] = {-5, -0.5f, 0, 0.3f, 0.5f, 0.8f, 1, 1.5f, 63.5f, 64.5f, 127.5f, 128.5f, 129, 200};
        const float far = std::uniform_real_distribution<float>(1e3f, 3e4f)(random_);
        switch (random_() % 10) {
            case 0: return odd[random_() % std::size(odd)];
            case 1: return random_() % 2 ? far : -far;
            case 2: return float(1 + random_() % unsigned(span - 1));
            default: return std::uniform_real_distribution<float>(0.5f, span + 1)(random_);
        }
    }

    // A small picture of random colours, or now and then a file that is no picture.
    void prepareimport() {
        const QString path = folder_.filePath(QString("in%1.%2").arg(random_() % 4).arg(random_() % 2 ? "bmp" : "jpg"));
        QImage img(1 + random_() % 200, 1 + random_() % 120, QImage::Format_RGB32);
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) img.setPixel(x, y, qRgb(random_() % 256, random_() % 256, random_() % 256));
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        if (random_() % 8) img.save(&file, path.endsWith("bmp") ? "BMP" : "JPG");
        else file.write(QByteArray(int(random_() % 64), char(random_())));
        platform_.opens = {path.toStdString()};
    }

    void check() {
        for (const Grid* g : {&ed_.pixelgrid, &ed_.selgrid})
            for (int y = 0; y <= Grid::maxy; ++y)
                for (int x = 0; x <= Grid::maxx; ++x)
                    ASSERT_TRUE(g->get(x, y) >= 0 && g->get(x, y) <= 3) << where_ << ": cell " << x << "," << y;
        int checkedmodels = 0, lit = 0;
        for (const Model& m : models()) checkedmodels += ed_.menu(m.name)->checked;
        ASSERT_TRUE(checkedmodels == 1 && ed_.bgwhite.checked != ed_.bgcasio.checked) << where_;
        ASSERT_EQ(ed_.inkcolor == 2, ed_.g100.checked) << where_;
        for (const ColourButton& b : colourbuttons())
            if ((ed_.*b.button).visible && (ed_.*b.button).backcolor == highlight) {
                ++lit;
                ASSERT_EQ(b.code, ed_.curcolor) << where_ << ": " << b.name << " lit";
            }
        ASSERT_EQ(lit, 1) << where_;
    }

    std::mt19937 random_;
    testing::FakePlatform platform_;
    Editor ed_;
    std::vector<std::string_view> controls_;
    std::string where_;
    QTemporaryDir folder_;
};

// The seed is in the test's name. `make soak` runs longer sessions on more
// seeds, set by GRAFIPIX_SESSION_SEEDS ("1,2,3") and GRAFIPIX_SESSION_EVENTS.
std::vector<unsigned> seeds() {
    const char* list = std::getenv("GRAFIPIX_SESSION_SEEDS");
    std::istringstream in(list ? list : "1,20261207");
    std::vector<unsigned> out;
    for (std::string seed; std::getline(in, seed, ',');) out.push_back(unsigned(std::stoul(seed)));
    return out;
}

class RandomSession : public ::testing::TestWithParam<unsigned> {};

TEST_P(RandomSession, EveryRuleHoldsAfterEveryEvent) {
    const char* events = std::getenv("GRAFIPIX_SESSION_EVENTS");
    Session(GetParam()).run(events ? std::atol(events) : 20000);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomSession, ::testing::ValuesIn(seeds()));

}  // namespace
}  // namespace grafipix
