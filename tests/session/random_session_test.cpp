// Long random sessions through every handler of the editor, with the rules
// that must hold after every event checked after every event.

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <functional>
#include <random>
#include <set>

#include "core/editor.h"
#include "core/main_controls.h"
#include "exchange/picture_io.h"
#include "tests/support/calc_interpreter.h"
#include "tests/support/fake_platform.h"

namespace grafipix {
namespace {

const std::set<std::string> statustexts = {
    "Point", "Stylo, cliquez pour amorcer le tracé", "Stylo activé", "Pinceau, cliquez pour amorcer le tracé",
    "Pinceau activé", "Aérographe, cliquez pour amorcer le tracé", "Aérographe activé",
    "Ligne, cliquez pour entrer le premier point", "Ligne, cliquez pour tracer la ligne", "Ligne",
    "Rectangle, cliquez pour entrer le premier point", "Rectangle, cliquez pour tracer le rectangle", "Rectangle",
    "Cercle, cliquez pour définir le centre", "Cercle, cliquez pour définir le rayon",
    "Sélection, cliquez pour entrer le premier point", "Sélection, cliquez pour définir la sélection",
    "Utilisez le menu pour agir sur la selection", "Déplacer le curseur puis cliquez", "Pot de peinture"};

class Session {
public:
    explicit Session(unsigned seed) : random_(seed), ed_(platform_) {
        platform_.onload = [](auto& path, Samples& out, std::string& why) { return exchange::loadsamples(path, out, why); };
        platform_.onsave = exchange::writebitmap;
        ed_.Main_Load();
        ed_.Timer1_Timer();
        for (const ButtonRow& b : mainbuttons())
            add(b.name, 3, [this, h = b.click] { (ed_.*h)(); }, [b = &(ed_.*b.button)] { return b->visible; });
        const MenuEntry* path[3] = {};  // an entry can be chosen only while it and its menus are enabled
        for (const MenuRow& m : menutree()) {
            path[m.depth] = &(ed_.*m.entry);
            if (!m.click || m.click == &Editor::exit_Click || m.click == &Editor::about_Click) continue;
            add(m.name, std::string(m.name) == "new" ? 1 : 2, [this, h = m.click] { (ed_.*h)(); },
                [p = std::vector(path, path + m.depth + 1)] { return std::ranges::all_of(p, &MenuEntry::enabled); });
        }
        add("mousedown", 60, [this] { ed_.Picture1_MouseDown(1 << (random_() % 3), 0, position(128), position(64)); });
        add("mousemove", 120, [this] { ed_.Picture1_MouseMove(random_() % 2, 0, position(128), position(64)); });
        add("codetick", 2, [this] {
            const char* answers[] = {"", "0", "3", "-5", "9", "35", "2.5", "abc"};
            platform_.inputs = {answers[random_() % std::size(answers)]};
            ed_.Code_Timer1_Timer();
        }, [this] { return ed_.Code.has_value(); });
        add("codeclose", 1, [this] { ed_.Code_Unload(); }, [this] { return ed_.Code.has_value(); });
    }

    void run(long count) {
        for (long n = 0; n < count && !::testing::Test::HasFatalFailure(); ++n) {
            const Event& e = pick();
            where_ = "event " + std::to_string(n) + " (" + e.name + ")";
            if (e.name == "importation") prepareimport();
            if (e.name == "exportation") platform_.saves = {folder_.filePath("export.bmp").toStdString()};
            e.act();
            check();
            if (n % 400 == 399 && !::testing::Test::HasFatalFailure()) checkprogram();
        }
    }

private:
    struct Event {
        std::string name;
        int weight;
        std::function<void()> act;
        std::function<bool()> possible;  // a hidden button or disabled entry cannot be chosen
    };

    void add(std::string name, int weight, std::function<void()> act, std::function<bool()> possible = [] { return true; }) {
        events_.push_back({std::move(name), weight, std::move(act), std::move(possible)});
        total_ += weight;
    }

    const Event& pick() {
        for (;;) {
            long r = long(random_() % unsigned(total_));
            auto e = events_.begin();
            while ((r -= e->weight) >= 0) ++e;
            if (e->possible()) return *e;
        }
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
        const QString path = folder_.filePath(QString("in%1.%2").arg(imports_++ % 4).arg(random_() % 2 ? "bmp" : "jpg"));
        if (random_() % 8 == 0) {
            QFile f(path);
            f.open(QIODevice::WriteOnly);
            f.write(QByteArray(int(random_() % 64), char(random_())));
        } else {
            QImage img(1 + random_() % 200, 1 + random_() % 120, QImage::Format_RGB32);
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x) img.setPixel(x, y, qRgb(random_() % 256, random_() % 256, random_() % 256));
            img.save(path, path.endsWith("bmp") ? "BMP" : "JPG");
        }
        platform_.opens = {path.toStdString()};
    }

    void check() {
        for (const Grid* g : {&ed_.pixelgrid, &ed_.selgrid})
            for (int y = 0; y <= Grid::maxy; ++y)
                for (int x = 0; x <= Grid::maxx; ++x)
                    ASSERT_TRUE(g->get(x, y) >= 0 && g->get(x, y) <= 3) << where_ << ": cell " << x << "," << y;
        ASSERT_EQ(ed_.g35.checked + ed_.g65.checked + ed_.g85.checked + ed_.g100.checked, 1) << where_;
        ASSERT_EQ(ed_.bgwhite.checked + ed_.bgcasio.checked, 1) << where_;
        ASSERT_EQ(ed_.inkcolor == 2, ed_.g100.checked) << where_;
        const std::pair<const Button*, int> colours[] = {{&ed_.presstruegreen, 0}, {&ed_.presswhite, 0},
            {&ed_.pressblue, 1}, {&ed_.pressblack, 1}, {&ed_.pressorange, 3}, {&ed_.pressgreen, 2}};
        int lit = 0;
        for (auto [b, code] : colours)
            if (b->visible && b->backcolor == highlight) {
                ++lit;
                ASSERT_EQ(code, ed_.curcolor) << where_;
            }
        ASSERT_EQ(lit, 1) << where_;
        ASSERT_TRUE(statustexts.count(ed_.modelbl.caption)) << where_ << ": " << ed_.modelbl.caption;
    }

    // The program generated for the picture redraws it, in the mode and flavour of the moment.
    void checkprogram() {
        testing::FakePlatform quiet;
        Editor probe(quiet);
        probe.Main_Load();
        probe.pixelgrid = ed_.pixelgrid;
        probe.g85.checked = ed_.g85.checked;
        probe.inkcolor = ed_.inkcolor;
        (probe.*(random_() % 2 ? &Editor::fline_Click : &Editor::drawstat_Click))();
        probe.Code_Timer1_Timer();
        const testing::CalcRun run = testing::runprogram(probe.Code->Text1, probe.g85.checked);
        ASSERT_EQ(run.error, "") << where_;
        for (int y = 1; y <= 63; ++y)
            for (int x = 1; x <= 127; ++x)
                ASSERT_EQ(run.at(x, y), ed_.pixelgrid.get(x, y)) << where_ << ": program redraws cell " << x << "," << y;
    }

    std::mt19937 random_;
    testing::FakePlatform platform_;
    Editor ed_;
    std::vector<Event> events_;
    int total_ = 0;
    std::string where_;
    QTemporaryDir folder_;
    int imports_ = 0;
};

// Four sessions of 50 000 events; the seed is in the test's name and trace.
class RandomSession : public ::testing::TestWithParam<unsigned> {};

TEST_P(RandomSession, EveryRuleHoldsAfterEveryEvent) {
    SCOPED_TRACE("seed " + std::to_string(GetParam()));
    Session(GetParam()).run(50000);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomSession, ::testing::Values(1u, 2u, 20261207u, 424242u));

}  // namespace
}  // namespace grafipix
