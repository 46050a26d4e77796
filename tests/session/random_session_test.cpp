// Long random sessions through every handler of the editor, with the rules
// that must hold after every event checked after every event.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <cmath>
#include <functional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "core/editor.h"
#include "core/main_controls.h"
#include "exchange/picture_io.h"
#include "tests/support/calc_interpreter.h"
#include "tests/support/fake_platform.h"

namespace grafipix {
namespace {

using testing::FakePlatform;

// Every text the status line can show.
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
        platform_.onload = [](const std::string& path, Samples& out, std::string& reason) {
            return exchange::loadsamples(path, out, reason);
        };
        platform_.onsave = [](const std::string& path, const Picture& p, std::string& reason) {
            return exchange::writebitmap(path, p, reason);
        };
        ed_.Main_Load();
        ed_.Timer1_Timer();
        buildevents();
    }

    // Runs `count` events; the first broken rule stops it with the event's name.
    void run(long count) {
        for (long n = 0; n < count; ++n) {
            const Event& e = pick();
            last_ = e.name;
            e.act();
            check(n);
            if (::testing::Test::HasFatalFailure()) return;
            if (n % 400 == 399) checkprogram(n);
            if (::testing::Test::HasFatalFailure()) return;
        }
    }

private:
    struct Event {
        std::string name;
        int weight;
        std::function<bool()> possible;  // a hidden button or disabled entry cannot be chosen
        std::function<void()> act;
    };

    float position(float span) {
        switch (random_() % 10) {
            case 0: {
                const float odd[] = {-5.0f, -0.5f, 0.0f, 0.3f, 0.5f, 0.8f, 1.0f, 1.5f, 63.5f, 64.5f, 127.5f, 128.5f, 129.0f, 200.0f};
                return odd[random_() % std::size(odd)];
            }
            case 1: {  // far outside, as a drag with a button held delivers
                const float far = std::uniform_real_distribution<float>(1e3f, 3e4f)(random_);
                return random_() % 2 ? far : -far;
            }
            case 2: return static_cast<float>(1 + random_() % static_cast<unsigned>(span - 1));
            default: return std::uniform_real_distribution<float>(0.5f, span + 1.0f)(random_);
        }
    }

    void add(std::string name, int weight, std::function<void()> act, std::function<bool()> possible = [] { return true; }) {
        events_.push_back({std::move(name), weight, std::move(possible), std::move(act)});
        total_ += weight;
    }
    void click(const std::string& name, int weight, Handler h, const MenuEntry* entry, const MenuEntry* menu) {
        add(name, weight, [this, h] { (ed_.*h)(); },
            [entry, menu] { return entry->enabled && (!menu || menu->enabled); });
    }

    void buildevents() {
        for (const ButtonRow& b : mainbuttons()) {
            const Button* button = &(ed_.*b.button);
            add(b.name, 3, [this, h = b.click] { (ed_.*h)(); }, [button] { return button->visible; });
        }
        for (const MenuRow& m : menutree()) {
            if (!m.click || m.click == &Editor::exit_Click || m.click == &Editor::about_Click) continue;
            if (m.click == &Editor::importation_Click || m.click == &Editor::exportation_Click) continue;
            const MenuEntry* parent = nullptr;
            // The entries of "Sélection" can be chosen only while that menu is enabled.
            for (const char* sel : {"desel", "selduplicate", "seldelete", "rotate180", "selvert", "selhoriz",
                                    "repbluesel", "repgreensel", "reporangesel", "repbgsel"})
                if (std::string(m.name) == sel) parent = &ed_.selection;
            click(m.name, std::string(m.name) == "new" ? 1 : 2, m.click, &(ed_.*m.entry), parent);
        }
        add("mousedown", 60, [this] { ed_.Picture1_MouseDown(1 << (random_() % 3), 0, position(128), position(64)); });
        add("mousemove", 120, [this] { ed_.Picture1_MouseMove(random_() % 2, 0, position(128), position(64)); });
        add("codetick", 2, [this] {
            const char* answers[] = {"", "0", "3", "-5", "9", "35", "2.5", "abc"};
            platform_.inputs = {answers[random_() % std::size(answers)]};
            ed_.Code_Timer1_Timer();
        }, [this] { return ed_.Code.has_value(); });
        add("codeclose", 1, [this] { ed_.Code_Unload(); }, [this] { return ed_.Code.has_value(); });
        add("import", 1, [this] { importpicture(); });
        add("export", 1, [this] {
            platform_.saves = {folder_.filePath("export.bmp").toStdString()};
            ed_.exportation_Click();
        });
    }

    // A small picture of random colours, or now and then a file that is no picture.
    void importpicture() {
        const QString path = folder_.filePath(QString("in%1.%2").arg(imports_++ % 4).arg(random_() % 2 ? "bmp" : "jpg"));
        if (random_() % 8 == 0) {
            QFile f(path);
            f.open(QIODevice::WriteOnly);
            f.write(QByteArray(static_cast<int>(random_() % 64), char(random_())));
        } else {
            QImage img(1 + random_() % 200, 1 + random_() % 120, QImage::Format_RGB32);
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x) img.setPixel(x, y, qRgb(random_() % 256, random_() % 256, random_() % 256));
            img.save(path, path.endsWith("bmp") ? "BMP" : "JPG");
        }
        platform_.opens = {path.toStdString()};
        ed_.importation_Click();
    }

    const Event& pick() {
        for (;;) {
            long r = static_cast<long>(random_() % static_cast<unsigned>(total_));
            for (const Event& e : events_) {
                if ((r -= e.weight) < 0) {
                    if (e.possible()) return e;
                    break;
                }
            }
        }
    }

    std::string where(long n) const { return "event " + std::to_string(n) + " (" + last_ + ")"; }

    void check(long n) {
        for (const Grid* g : {&ed_.pixelgrid, &ed_.selgrid})
            for (int y = 0; y <= Grid::maxy; ++y)
                for (int x = 0; x <= Grid::maxx; ++x)
                    ASSERT_TRUE(g->get(x, y) >= 0 && g->get(x, y) <= 3) << where(n) << ": cell " << x << "," << y;
        ASSERT_EQ(ed_.g35.checked + ed_.g65.checked + ed_.g85.checked + ed_.g100.checked, 1) << where(n);
        ASSERT_EQ(ed_.bgwhite.checked + ed_.bgcasio.checked, 1) << where(n);
        ASSERT_EQ(ed_.inkcolor == 2, ed_.g100.checked) << where(n);
        const std::pair<const Button*, int> colours[] = {
            {&ed_.presstruegreen, 0}, {&ed_.presswhite, 0}, {&ed_.pressblue, 1},
            {&ed_.pressblack, 1}, {&ed_.pressorange, 3}, {&ed_.pressgreen, 2}};
        int lit = 0;
        for (auto [b, code] : colours)
            if (b->visible && b->backcolor == highlight) {
                ++lit;
                ASSERT_EQ(code, ed_.curcolor) << where(n);
            }
        ASSERT_EQ(lit, 1) << where(n);
        ASSERT_TRUE(statustexts.count(ed_.modelbl.caption)) << where(n) << ": " << ed_.modelbl.caption;
    }

    // The program generated for the picture redraws it, in the mode and flavour of the moment.
    void checkprogram(long n) {
        FakePlatform quiet;
        Editor probe(quiet);
        probe.Main_Load();
        probe.pixelgrid = ed_.pixelgrid;
        probe.g85.checked = ed_.g85.checked;
        probe.inkcolor = ed_.inkcolor;
        (probe.*(random_() % 2 ? &Editor::fline_Click : &Editor::drawstat_Click))();
        probe.Code_Timer1_Timer();
        const testing::CalcRun run = testing::runprogram(probe.Code->Text1, probe.g85.checked);
        ASSERT_EQ(run.error, "") << where(n);
        for (int y = 1; y <= 63; ++y)
            for (int x = 1; x <= 127; ++x)
                ASSERT_EQ(run.at(x, y), ed_.pixelgrid.get(x, y)) << where(n) << ": program redraws cell " << x << "," << y;
    }

    std::mt19937 random_;
    FakePlatform platform_;
    Editor ed_;
    std::vector<Event> events_;
    int total_ = 0;
    std::string last_;
    QTemporaryDir folder_;
    int imports_ = 0;
};

// Four sessions of 50 000 events; the seed is in the test's name.
class RandomSession : public ::testing::TestWithParam<unsigned> {};

TEST_P(RandomSession, EveryRuleHoldsAfterEveryEvent) {
    SCOPED_TRACE("seed " + std::to_string(GetParam()));
    Session(GetParam()).run(50000);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomSession, ::testing::Values(1u, 2u, 20261207u, 424242u));

}  // namespace
}  // namespace grafipix
