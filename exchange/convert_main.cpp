// grafipix-convert: a picture file to the calculator program, as the editor
// would write it after importing that picture into an empty drawing.

#include <QFile>
#include <QLoggingCategory>
#include <array>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "core/editor.h"
#include "core/main_controls.h"
#include "exchange/picture_io.h"
#include "exchange/windows1252.h"

namespace grafipix {

namespace {

constexpr std::string_view usage =
    "Usage : grafipix-convert [--model g35|g65|g85|g100] [--mode fline|drawstat] [--picture N] ENTREE [SORTIE]\n"
    "\n"
    "Importe l'image ENTREE (BMP, JPEG ou GIF) dans un dessin vide, comme \"Importer image\"\n"
    "dans l'éditeur, et écrit le programme de la calculatrice que montre la fenêtre du code.\n"
    "\n"
    "  --model     calculatrice : g35, g65 (Graph 65/80, par défaut), g85 (texte pour FA-124)\n"
    "              ou g100\n"
    "  --mode      fline (F-Line et PxlOn, par défaut) ou drawstat (F-Line et DrawStat)\n"
    "  --picture   numéro du picture où la calculatrice garde l'image (StoPict), lu comme la\n"
    "              réponse à la question de l'éditeur : ramené à 1..6 (1..20 pour la g100)\n"
    "  --help      affiche cette aide\n"
    "\n"
    "Le programme va dans SORTIE, ou sur la sortie standard, en octets Windows-1252 avec des\n"
    "fins de ligne CR LF ; l'estimation de la mémoire libre nécessaire va sur l'erreur standard.\n"
    "Codes de sortie : 0 réussi, 1 entrée illisible ou sortie impossible à écrire, 2 option invalide.\n";

constexpr std::string_view name = "grafipix-convert: ";

using E = Editor;
struct Choice {
    std::string_view word;
    Handler click;
};
constexpr std::array models{Choice{"g35", &E::g35_Click}, Choice{"g65", &E::g65_Click},
                            Choice{"g85", &E::g85_Click}, Choice{"g100", &E::g100_Click}};
constexpr std::array modes{Choice{"fline", &E::fline_Click}, Choice{"drawstat", &E::drawstat_Click}};

template <size_t N>
std::optional<Handler> choose(const std::array<Choice, N>& choices, std::string_view word) {
    for (const Choice& c : choices)
        if (c.word == word) return c.click;
    return std::nullopt;
}

// What the picture prompt accepts: a sign, digits, one decimal point or comma.
bool isnumber(std::string_view s) {
    size_t i = s.starts_with('+') || s.starts_with('-') ? 1 : 0;
    bool digit = false, point = false;
    for (; i < s.size(); ++i) {
        if (s[i] >= '0' && s[i] <= '9') digit = true;
        else if ((s[i] == '.' || s[i] == ',') && !point) point = true;
        else return false;
    }
    return digit;
}

struct Options {
    Handler model = &E::g65_Click;
    Handler mode = &E::fline_Click;
    std::string picture;  // the prompt's answer, empty for none
    std::string input, output;
    bool help = false;
};

// The error of a bad command line, empty when it is good.
std::string parse(int argc, char** argv, Options& o) {
    int positional = 0;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            o.help = true;
            continue;
        }
        if (arg.starts_with("--") && arg.size() > 2) {
            std::string value;
            const size_t eq = arg.find('=');
            if (eq != std::string::npos) {
                value = arg.substr(eq + 1);
                arg.resize(eq);
            } else if (arg == "--model" || arg == "--mode" || arg == "--picture") {
                if (i + 1 >= argc) return "l'option " + arg + " attend une valeur";
                value = argv[++i];
            }
            std::optional<Handler> picked;
            if (arg == "--model") {
                if (!(picked = choose(models, value))) return "modèle inconnu « " + value + " » (g35, g65, g85 ou g100)";
                o.model = *picked;
            } else if (arg == "--mode") {
                if (!(picked = choose(modes, value))) return "mode inconnu « " + value + " » (fline ou drawstat)";
                o.mode = *picked;
            } else if (arg == "--picture") {
                if (!isnumber(value)) return "numéro de picture invalide « " + value + " »";
                o.picture = value;
            } else {
                return "option inconnue « " + arg + " »";
            }
            continue;
        }
        if (arg.starts_with('-') && arg.size() > 1) return "option inconnue « " + arg + " »";
        if (positional == 2) return "trop d'arguments";
        (positional++ == 0 ? o.input : o.output) = QFile::decodeName(argv[i]).toStdString();
    }
    if (!o.help && o.input.empty()) return "il manque le fichier image ENTREE";
    return {};
}

// The editor's platform for one conversion: the open dialog answers the input,
// the prompt answers the picture number, and any message is an import failure.
class ConvertPlatform : public Platform {
public:
    ConvertPlatform(std::string input, std::string picture)
        : input_(std::move(input)), picture_(std::move(picture)) {}

    void showwindow(Window) override {}
    void hidewindow(Window) override {}
    void endprocess() override {}
    void settimer(Timer, bool, int) override {}
    void messagebox(const std::string& text) override { failure = text; }
    std::string inputbox(const std::string&, const std::string&) override { return picture_; }
    std::string openfile(const std::string&) override { return input_; }
    std::string savefile(const std::string&, const std::string&) override { return {}; }
    bool loadpicture(const std::string& path, Samples& out, std::string& error) override {
        return exchange::loadsamples(path, out, error);
    }
    bool savebitmap(const std::string&, const Picture&, std::string& error) override {
        error = "pas d'exportation ici";
        return false;
    }
    float rnd() override { return 0.0f; }

    std::string failure;

private:
    std::string input_, picture_;
};

int convert(const Options& o) {
    ConvertPlatform platform(o.input, o.picture);
    Editor ed(platform);
    ed.Main_Load();
    (ed.*o.model)();
    ed.importimage();
    if (!platform.failure.empty()) {
        std::cerr << name << platform.failure << '\n';
        return 1;
    }
    (ed.*o.mode)();
    ed.Code_Timer1_Timer();
    const std::string program = towindows1252(ed.Code->Text1);

    if (o.output.empty()) {
        std::cout.write(program.data(), static_cast<std::streamsize>(program.size()));
        std::cout.flush();
        if (!std::cout) {
            std::cerr << name << "impossible d'écrire sur la sortie standard\n";
            return 1;
        }
    } else {
        std::string reason;
        const auto write = [&program](QIODevice& device) {
            return device.write(program.data(), static_cast<qint64>(program.size())) ==
                   static_cast<qint64>(program.size());
        };
        if (!exchange::writereplacing(o.output, write, reason)) {
            std::cerr << name << "impossible d'écrire « " << o.output << " » : " << reason << ".\n";
            return 1;
        }
    }
    std::cerr << ed.Code->bytes << '\n';
    return 0;
}

}  // namespace

}  // namespace grafipix

int main(int argc, char** argv) {
    using namespace grafipix;
    // The decoders' own warnings would only repeat the message given below.
    QLoggingCategory::setFilterRules("qt.gui.imageio*=false");
    Options options;
    const std::string error = parse(argc, argv, options);
    if (options.help) {
        std::cout << usage;
        return 0;
    }
    if (!error.empty()) {
        std::cerr << name << error << "\nEssayez « grafipix-convert --help ».\n";
        return 2;
    }
    return convert(options);
}
