// grafipix-convert: a picture file to the calculator program, as the editor
// would write it after importing that picture into an empty drawing.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLoggingCategory>
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>

#include "codegen/generator.h"
#include "core/editor.h"
#include "core/texts.h"
#include "exchange/picture_io.h"
#include "exchange/windows1252.h"
#include "models/model_table.h"

namespace grafipix {

namespace {

constexpr std::string_view usage =
    "Usage : grafipix-convert [--model g35|g65|g85|g100] [--mode fline|drawstat|compact] [--picture N]\n"
    "                        [--dither] ENTREE [SORTIE]\n"
    "\n"
    "Importe l'image ENTREE (BMP, JPEG, GIF ou PNG) dans un dessin vide, comme \"Importer image\"\n"
    "dans l'éditeur, et écrit le programme de la calculatrice que montre la fenêtre du code.\n"
    "\n"
    "  --model     calculatrice : g35, g65 (Graph 65/80, par défaut), g85 (texte pour FA-124)\n"
    "              ou g100\n"
    "  --mode      fline (F-Line et PxlOn, par défaut), drawstat (F-Line et DrawStat) ou compact\n"
    "              (lignes et colonnes en F-Line, Horizontal et PxlOn, le programme le plus court)\n"
    "  --picture   numéro du picture où la calculatrice garde l'image (StoPict), lu comme la\n"
    "              réponse à la question de l'éditeur : un nombre entier de -32768 à 32767 (une\n"
    "              décimale est arrondie au pair le plus proche), ramené à 1..6 (1..20 pour la\n"
    "              g100) ; 0 n'ajoute pas de StoPict\n"
    "  --dither    importation tramée, pour les photos : les nuances deviennent des points\n"
    "              plus ou moins serrés, comme Options > Importation tramée\n"
    "  --help      affiche cette aide\n"
    "  --version   affiche la version\n"
    "\n"
    "Le programme va dans SORTIE, ou sur la sortie standard, en octets Windows-1252 avec des\n"
    "fins de ligne CR LF ; l'estimation de la mémoire libre nécessaire va sur l'erreur standard.\n"
    "Codes de sortie : 0 réussi, 1 entrée illisible ou sortie impossible à écrire, 2 option invalide.\n";

constexpr std::string_view name = "grafipix-convert: ";

struct Options {
    const Model* model = findmodel("g65");
    CodeMode mode = CodeMode::fline;
    int16_t picture = 0;  // as the prompt's answer; 0 for no StoPict
    std::string input, output;
    bool help = false, version = false;
    bool dither = false;
};

QString quoted(const QString& s) { return QString::fromUtf8("« ") + s + QString::fromUtf8(" »"); }

// The error of a bad command line, empty when it is good.
QString parse(const QStringList& arguments, Options& o) {
    QCommandLineParser parser;
    const QCommandLineOption help(QStringList{"h", "help"}), version("version"), model("model", {}, "g"),
        mode("mode", {}, "m"), picture("picture", {}, "n");
    const QCommandLineOption dither("dither");
    parser.addOptions({help, version, model, mode, picture, dither});
    parser.addPositionalArgument("ENTREE", {});
    parser.addPositionalArgument("SORTIE", {});
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) return "option inconnue " + quoted((unknown[0].size() > 1 ? "--" : "-") + unknown[0]);
        for (const QString& a : arguments)
            if (a.startsWith("--help=") || a.startsWith("--version=") || a.startsWith("--dither="))
                return "l'option " + quoted(a.section('=', 0, 0)) + " ne prend pas de valeur";
        return "l'option " + quoted(arguments.last()) + " attend une valeur";  // at the end: no value follows
    }
    o.help = parser.isSet(help);
    o.version = parser.isSet(version);
    o.dither = parser.isSet(dither);
    if (parser.isSet(model) && !(o.model = findmodel(parser.value(model).toStdString())))
        return "modèle inconnu " + quoted(parser.value(model)) + " (g35, g65, g85 ou g100)";
    if (parser.isSet(mode)) {
        const QString word = parser.value(mode);
        if (word == "fline") o.mode = CodeMode::fline;
        else if (word == "drawstat") o.mode = CodeMode::drawstat;
        else if (word == "compact") o.mode = CodeMode::compact;
        else return "mode inconnu " + quoted(word) + " (fline, drawstat ou compact)";
    }
    if (parser.isSet(picture)) {
        const std::optional<int16_t> n = readpictnum(parser.value(picture).toStdString());
        if (!n)
            return "numéro de picture invalide " + quoted(parser.value(picture)) +
                   " : un nombre entier de -32768 à 32767 est attendu";
        o.picture = *n;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 2) return "trop d'arguments";
    if (!o.help && !o.version && positional.isEmpty()) return "il manque le fichier image ENTREE";
    if (!positional.isEmpty()) o.input = positional[0].toStdString();
    if (positional.size() == 2) o.output = positional[1].toStdString();
    return {};
}

// The editor's platform for one conversion: the open dialog answers the
// input, and any message is an import failure.
class ConvertPlatform : public Platform {
public:
    explicit ConvertPlatform(std::string input) : input_(std::move(input)) {}

    void showwindow(Window) override {}
    void hidewindow(Window) override {}
    void endprocess() override {}
    void settimer(Timer, bool, int) override {}
    void messagebox(const std::string& text) override { failure = text; }
    std::string inputbox(const std::string&, const std::string&) override { return {}; }
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
    std::string input_;
};

int convert(const Options& o) {
    ConvertPlatform platform(o.input);
    Editor ed(platform);
    ed.handle(Event::load());
    ed.handle(Event::click(o.model->name));
    if (o.dither) ed.handle(Event::click("dither"));
    ed.handle(Event::click("importation"));
    if (!platform.failure.empty()) {
        std::cerr << name << platform.failure << '\n';
        return 1;
    }
    const Program program = generateprogram(ed.pixelgrid, o.mode, *o.model->flavour,
                                            pictmemory(o.picture, o.model->lastpicture));
    const std::string bytes = towindows1252(program.text);

    if (o.output.empty()) {
        std::cout.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        std::cout.flush();
        if (!std::cout) {
            std::cerr << name << "impossible d'écrire sur la sortie standard\n";
            return 1;
        }
    } else {
        std::string reason;
        const auto write = [&bytes](QIODevice& device) {
            return device.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size());
        };
        if (!exchange::writereplacing(o.output, write, reason)) {
            std::cerr << name << "impossible d'écrire « " << o.output << " » : " << reason << ".\n";
            return 1;
        }
    }
    std::cerr << codetexts::estimate(program.bytesest) << '\n';
    return 0;
}

}  // namespace

}  // namespace grafipix

int main(int argc, char** argv) {
    using namespace grafipix;
    QCoreApplication app(argc, argv);
    // The decoders' own warnings would only repeat the message given below.
    QLoggingCategory::setFilterRules("qt.gui.imageio*=false");
    Options options;
    const QString error = parse(QCoreApplication::arguments(), options);
    if (options.help || options.version) {
        std::cout << (options.help ? std::string(usage) : "grafipix-convert " + texts::version + "\n");
        return 0;
    }
    if (!error.isEmpty()) {
        std::cerr << name << error.toStdString() << "\nEssayez « grafipix-convert --help ».\n";
        return 2;
    }
    return convert(options);
}
