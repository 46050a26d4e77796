// SPDX-License-Identifier: GPL-3.0-or-later
// grafipix-convert: a picture file to the calculator program, as the editor
// would write it after importing that picture into an empty drawing.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <span>
#include <string>
#include <string_view>

#include "codegen/generator.h"
#include "codegen/python_script.h"
#include "codegen/python_sprite.h"
#include "codegen/sprite.h"
#include "document/texts.h"
#include "formats/image_conversion.h"
#include "formats/import_framing.h"
#include "formats/memory_fit.h"
#include "formats/outputs.h"
#include "formats/picture_io.h"
#include "calculator/model_table.h"

namespace grafipix {

namespace {

constexpr std::string_view usage =
    "Usage : grafipix-convert [--model g35|g65|g85|g100|g35e2|g90|gmath] [--mode fline|drawstat|compact] [--picture N]\n"
    "                        [--fit stretch|fit|fill|none] [--threshold N | --brightness N] [--contrast N] [--invert]\n"
    "                        [--dither [none|fs|atkinson|ordered]] [--format text|g1m|g3m|picture|g3p|g4p|png|python]\n"
    "                        [--name NOM] [--colours N] [--sprite NOM]\n"
    "                        ENTREE [SORTIE]\n"
    "\n"
    "Importe l'image ENTREE (BMP, JPEG, GIF ou PNG) dans un dessin vide, comme \"Importer image\"\n"
    "dans l'éditeur, et écrit le programme de la calculatrice que montre la fenêtre du code.\n"
    "Un dessin enregistré par l'éditeur, ou une image des calculatrices (.g3p, .g4p, picture\n"
    "d'un .g1m), revient tel quel, avec son modèle si --model n'en donne pas un autre.\n"
    "\n"
    "  --model     calculatrice : g35, g65 (Graph 65/80, par défaut), g85 (texte pour FA-124),\n"
    "              g100, g35e2 (Graph 35+E II, texte pour FA-124), g90 (Graph 90+E, écran de\n"
    "              379 x 187, jusqu'à 256 couleurs) ou gmath (Graph Math+, 384 x 192, Python seul)\n"
    "  --mode      fline (F-Line et PxlOn, par défaut), drawstat (F-Line et DrawStat, sauf g90) ou\n"
    "              compact (lignes et colonnes en F-Line, Horizontal et PxlOn, le programme le plus\n"
    "              court)\n"
    "  --picture   numéro du picture où la calculatrice garde l'image (StoPict), lu comme la\n"
    "              réponse à la question de l'éditeur : un nombre entier de -32768 à 32767 (une\n"
    "              décimale est arrondie au pair le plus proche), ramené à 1..6 (1..20 pour g100,\n"
    "              g35e2 et g90) ; 0 n'ajoute pas de StoPict\n"
    "  --fit       cadrage : stretch (étirée à l'écran, par défaut), fit (entière, proportions\n"
    "              gardées, bandes du fond laissées telles quelles), fill (proportions gardées,\n"
    "              recadrée au centre pour remplir l'écran) ou none (taille réelle : en haut à\n"
    "              gauche, un point par pixel, coupée au bord de l'écran)\n"
    "  --threshold seuil des modèles à deux couleurs, de 0 à 255 (100 par défaut) : un point\n"
    "              dont une composante ne dépasse pas le seuil devient de l'encre\n"
    "  --brightness\n"
    "              luminosité des autres modèles, de -100 à 100 (0 par défaut)\n"
    "  --contrast  contraste, de -100 à 100 (0 par défaut)\n"
    "  --invert    inverse les tons de l'image\n"
    "  --colours   pour g90 et gmath, dont la palette est libre : une palette adaptée à l'image, de 2\n"
    "              à 256 couleurs, le blanc du fond compris (sans cette option, les 8 couleurs du Basic)\n"
    "  --dither    importation tramée, pour les photos : les nuances deviennent des points\n"
    "              plus ou moins serrés, comme Options > Importation tramée ; seul, Floyd–Steinberg,\n"
    "              sinon none (seuil), fs (Floyd–Steinberg), atkinson ou ordered (tramage ordonné)\n"
    "  --format    text (le texte du programme, par défaut), g1m (le programme dans un fichier\n"
    "              .g1m), g3m (le programme dans un fichier .g3m), picture (le dessin en picture\n"
    "              dans un fichier .g1m, numéro donné par --picture, 1 sans lui, ramené à 1..20)\n"
    "              g3p ou g4p (le dessin en image 16 bits de 384 x 192 pour la Graph 90+E ou la\n"
    "              Graph Math+), png (le dessin en image PNG, un pixel par point de l'écran) ou python\n"
    "              (un script casioplot pour l'application Python, en ASCII avec des fins de ligne\n"
    "              LF) ; g1m et picture pour g35, g85 ou g35e2, g3m et g3p pour g90, g4p pour gmath,\n"
    "              python pour g35e2, g90 ou gmath ; gmath n'a pas de Basic\n"
    "  --sprite    écrit l'image, à sa taille réelle, en sprite que le jeu dessine où il veut :\n"
    "              avec --format python, le module NOM.py qui définit NOM(x, y), NOM_w et NOM_h ;\n"
    "              avec text, g1m ou g3m, le programme NOM (en capitales) qui dessine en colonne A,\n"
    "              ligne B\n"
    "  --name      nom du programme dans le fichier g1m ou g3m (GRAFIPIX par défaut) : de 1 à 8\n"
    "              caractères parmi A-Z, 0-9, l'espace (ni au début ni à la fin) et ~ . '\n"
    "  --help      affiche cette aide\n"
    "  --version   affiche la version\n"
    "\n"
    "Le programme va dans SORTIE, ou sur la sortie standard, en octets Windows-1252 avec des\n"
    "fins de ligne CR LF ; l'estimation de la mémoire libre nécessaire va sur l'erreur standard.\n"
    "Codes de sortie : 0 réussi, 1 entrée illisible ou sortie impossible à écrire, 2 option invalide,\n"
    "3 écrit, mais trop grand pour la calculatrice (la ligne qui le dit va sur l'erreur standard).\n";

constexpr std::string_view name = "grafipix-convert: ";

std::u16string toutf16(const std::string& ascii) { return std::u16string(ascii.begin(), ascii.end()); }

void quietqt(QtMsgType type, const QMessageLogContext&, const QString&) {
    if (type == QtFatalMsg) std::abort();
}

struct Options {
    const Model* model = findmodel("g65");
    const Output* format = findoutput("text");
    std::string programname = g1m::defaultname;
    CodeMode mode = CodeMode::fline;
    int16_t picture = 0;  // as the prompt's answer; 0 for no StoPict
    std::string input, output;
    bool help = false, version = false;
    ImportChoices choices;
    bool modelgiven = false;
    bool thresholdgiven = false, brightnessgiven = false, coloursgiven = false, modegiven = false;
    std::string sprite;  // --sprite: the picture's own rectangle as a sprite of that name
    // Without --model: what the default model refuses, which a saved drawing's
    // own model may still take.
    QString refusal;
};

// The editor starts on the screen green; the converter draws as it starts.
constexpr int startbackground = 2;

QString quoted(const QString& s) { return QString::fromUtf8("« ") + s + QString::fromUtf8(" »"); }

// The names of the rows kept, as a sentence lists them: "a, b ou c".
template <class Rows, class Keep>
QString namelist(const Rows& rows, Keep keep) {
    QStringList names;
    for (const auto& row : rows)
        if (keep(row)) names << row.name;
    const QString last = names.isEmpty() ? QString() : names.takeLast();
    return names.isEmpty() ? last : names.join(", ") + " ou " + last;
}

// The words of --dither and --fit, in the order of Method and Framing.
const QStringList methodwords{"none", "fs", "atkinson", "ordered"}, framingwords{"stretch", "fit", "fill", "none"};

// "--dither" takes a method only when one follows it, so "--dither photo.jpg"
// dithers that file as it always did.
QStringList withdithermethod(QStringList arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i)
        if (arguments[i] == "--dither") {
            const bool named = i + 1 < arguments.size() && methodwords.contains(arguments[i + 1]);
            arguments[i] = "--dither=" + (named ? arguments.takeAt(i + 1) : QString("fs"));
        }
    return arguments;
}

// A whole number from low to high, or the error that says what was expected.
QString readnumber(const QString& text, int low, int high, const char* what, int& out) {
    bool ok = false;
    const int n = text.toInt(&ok);
    if (ok && n >= low && n <= high) return out = n, QString();
    return QString::fromUtf8(what) + " invalide " + quoted(text) + " : un nombre entier de " + QString::number(low) + " à " +
           QString::number(high) + " est attendu";
}

// The choices of the import's dialog; the tone's slider differs with the model.
bool twocolours(const Model& m) { return m.conversion == Conversion::twocolours; }

// The tone's option the model takes, the mode and the format; the refusal of
// the first it does not take, empty when it takes them all.
QString tonefits(const Options& o, const Model& m) {
    if (o.thresholdgiven && !twocolours(m))
        return "le seuil ne vaut que pour les modèles à deux couleurs (" + namelist(models(), twocolours) +
               ") ; --brightness pour " + quoted(m.name);
    if (o.brightnessgiven && twocolours(m))
        return "la luminosité ne vaut que pour les modèles " +
               namelist(models(), [](const Model& other) { return !twocolours(other); }) + " ; --threshold pour " +
               quoted(m.name);
    return {};
}
QString colourfits(const Options& o, const Model& m) {
    if (o.coloursgiven && !m.freepalette())
        return "le nombre de couleurs ne vaut que pour les modèles à palette libre (" +
               namelist(models(), [](const Model& other) { return other.freepalette(); }) + "), pas pour " + quoted(m.name);
    return {};
}
QString withoutbasic(const Model& m) {
    return "le modèle " + quoted(m.name) + " n'a pas de Basic (--format " +
           namelist(outputs(), [&m](const Output& out) { return out.takes(m); }) + ")";
}
QString modefits(const Options& o, const Model& m) {
    if (o.modegiven && !m.basic) return withoutbasic(m);
    if (o.mode == CodeMode::drawstat && !m.drawstat)
        return "le mode « drawstat » ne convient pas au modèle " + quoted(m.name) + " (fline ou compact)";
    return {};
}
QString formatfits(const Options& o, const Model& m) {
    if (!m.basic && o.format->fromprogram && o.mode != CodeMode::python) return withoutbasic(m);
    if (!o.format->takes(m))
        return "le modèle " + quoted(m.name) + " ne lit pas les fichiers " + o.format->extension + " (--model " +
               namelist(models(), o.format->takes) + ")";
    return {};
}
QString fits(const Options& o, const Model& m) {
    for (const QString& e : {tonefits(o, m), colourfits(o, m), modefits(o, m), formatfits(o, m)})
        if (!e.isEmpty()) return e;
    return {};
}

QString parsechoices(const QCommandLineParser& parser, Options& o) {
    ImportChoices& c = o.choices;
    // The place of the option's word in its list, -1 for none of them.
    const auto place = [&](const char* option, const QStringList& words) { return int(words.indexOf(parser.value(option))); };
    const auto unknown = [&](const char* what, const char* option, const QStringList& words) {
        return QString(what) + " inconnu " + quoted(parser.value(option)) + " (" + words.mid(0, words.size() - 1).join(", ") +
               " ou " + words.last() + ")";
    };
    if (parser.isSet("dither")) {
        if (place("dither", methodwords) < 0) return unknown("tramage", "dither", methodwords);
        c.method = static_cast<Method>(place("dither", methodwords));
    }
    if (parser.isSet("fit")) {
        if (place("fit", framingwords) < 0) return unknown("cadrage", "fit", framingwords);
        c.framing = static_cast<Framing>(place("fit", framingwords));
    }
    // Checked against the model here only when it is given: a saved drawing brings its own.
    o.thresholdgiven = parser.isSet("threshold");
    o.brightnessgiven = parser.isSet("brightness");
    o.coloursgiven = parser.isSet("colours");
    for (const QString& e : o.modelgiven ? QStringList{tonefits(o, *o.model), colourfits(o, *o.model)} : QStringList{})
        if (!e.isEmpty()) return e;
    if (o.coloursgiven)
        if (QString e = readnumber(parser.value("colours"), ImportChoices::fewestcolours, ImportChoices::adaptedcounts.back(), "nombre de couleurs", c.colours);
            !e.isEmpty())
            return e;
    if (parser.isSet("threshold")) {
        if (QString e = readnumber(parser.value("threshold"), ImportChoices::lowestthreshold, ImportChoices::highestthreshold, "seuil", c.threshold);
            !e.isEmpty())
            return e;
    }
    if (parser.isSet("brightness")) {
        if (QString e = readnumber(parser.value("brightness"), -ImportChoices::mostbrightness, ImportChoices::mostbrightness, "luminosité", c.brightness);
            !e.isEmpty())
            return e;
    }
    if (parser.isSet("contrast"))
        if (QString e = readnumber(parser.value("contrast"), -ImportChoices::mostcontrast, ImportChoices::mostcontrast, "contraste", c.contrast);
            !e.isEmpty())
            return e;
    c.invert = parser.isSet("invert");
    return {};
}

// The error of a bad command line, empty when it is good.
QString parse(const QStringList& given, Options& o) {
    const QStringList arguments = withdithermethod(given);
    QCommandLineParser parser;
    const QCommandLineOption help(QStringList{"h", "help"}), version("version"), model("model", {}, "g"),
        mode("mode", {}, "m"), picture("picture", {}, "n"), format("format", {}, "f"), programname("name", {}, "n");
    const QCommandLineOption dither("dither", {}, "t"), fit("fit", {}, "c"), threshold("threshold", {}, "n"),
        brightness("brightness", {}, "n"), contrast("contrast", {}, "n"), invert("invert"), colours("colours", {}, "n"),
        sprite("sprite", {}, "nom");
    parser.addOptions({help, version, model, mode, picture, dither, format, programname, fit, threshold, brightness, contrast, invert, colours, sprite});
    parser.addPositionalArgument("ENTREE", {});
    parser.addPositionalArgument("SORTIE", {});
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) return "option inconnue " + quoted((unknown[0].size() > 1 ? "--" : "-") + unknown[0]);
        for (const QString& a : arguments)
            if (a.startsWith("--help=") || a.startsWith("--version=") || a.startsWith("--invert="))
                return "l'option " + quoted(a.section('=', 0, 0)) + " ne prend pas de valeur";
        return "l'option " + quoted(arguments.last()) + " attend une valeur";  // at the end: no value follows
    }
    o.help = parser.isSet(help);
    o.version = parser.isSet(version);
    o.modelgiven = parser.isSet(model);
    if (parser.isSet(model) && !(o.model = findmodel(parser.value(model).toStdString())))
        return "modèle inconnu " + quoted(parser.value(model)) + " (" + namelist(models(), [](const Model&) { return true; }) + ")";
    if (QString e = parsechoices(parser, o); !e.isEmpty()) return e;
    o.modegiven = parser.isSet(mode);
    if (parser.isSet(mode)) {
        const QString word = parser.value(mode);
        if (word == "fline") o.mode = CodeMode::fline;
        else if (word == "drawstat") o.mode = CodeMode::drawstat;
        else if (word == "compact") o.mode = CodeMode::compact;
        else return "mode inconnu " + quoted(word) + " (fline, drawstat ou compact)";
        if (QString e = o.modelgiven ? modefits(o, *o.model) : QString(); !e.isEmpty()) return e;
    }
    if (parser.isSet(picture)) {
        const std::optional<int16_t> n = readpictnum(parser.value(picture).toStdString());
        if (!n)
            return "numéro de picture invalide " + quoted(parser.value(picture)) +
                   " : un nombre entier de -32768 à 32767 est attendu";
        o.picture = *n;
    }
    if (parser.isSet(format) && !(o.format = findoutput(parser.value(format).toStdString())))
        return "format inconnu " + quoted(parser.value(format)) + " (" + namelist(outputs(), [](const Output&) { return true; }) + ")";
    // A script is its own program, whatever the mode.
    if (std::string_view(o.format->name) == "python") o.mode = CodeMode::python;
    if (QString e = o.modelgiven ? formatfits(o, *o.model) : QString(); !e.isEmpty()) return e;
    if (!o.modelgiven) o.refusal = fits(o, *o.model);
    if (parser.isSet(programname)) {
        o.programname = parser.value(programname).toStdString();
        if (!g1m::validname(o.programname)) return QString::fromStdString(g1m::badname(o.programname));
    }
    if (parser.isSet(sprite)) {
        o.sprite = parser.value(sprite).toStdString();
        const std::string_view kind = o.format->name;
        if (kind != "python" && kind != "text" && kind != "g1m" && kind != "g3m")
            return "--sprite ne vaut qu'avec --format python, text, g1m ou g3m";
        if (parser.isSet(fit) && o.choices.framing != Framing::none)
            return "--sprite prend l'image à sa taille réelle, --fit none";
        o.choices.framing = Framing::none;
        if (kind == "python" ? !validpythonname(o.sprite) : !g1m::validname(spriteprogramname(o.sprite)))
            return "nom de sprite invalide " + quoted(parser.value(sprite)) +
                   (kind == "python" ? " : un nom Python de lettres sans accent, de chiffres ou de _, pas de chiffre d'abord"
                                     : " : de 1 à 8 lettres, chiffres, espaces (ni au début ni à la fin) ou ~ . '");
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 2) return "trop d'arguments";
    if (!o.help && !o.version && positional.isEmpty()) return "il manque le fichier image ENTREE";
    if (!positional.isEmpty()) o.input = positional[0].toStdString();
    // "-" is standard output, as for the usual tools.
    if (positional.size() == 2 && positional[1] != "-") o.output = positional[1].toStdString();
    if (!o.input.empty() && !o.output.empty()) {
        std::error_code unknown;
        if (std::filesystem::equivalent(o.input, o.output, unknown))
            return "la sortie " + quoted(positional[1]) + " est le fichier d'entrée lui-même, qu'elle remplacerait";
    }
    return {};
}

// The import of an empty drawing, then the program the Code window shows for
// it. An empty input name converts the empty drawing, as a cancelled dialog
// leaves the editor's.
int badoption(const QString& error) {
    std::cerr << name << error.toStdString() << "\nEssayez « grafipix-convert --help ».\n";
    return 2;
}

int convert(Options o) {
    // A pipe or a device is no picture file, and opening a pipe would wait for a writer.
    if (const QFileInfo input(QString::fromStdString(o.input)); input.exists() && !input.isDir() && !input.isFile()) {
        std::cerr << name << "« " << o.input << " » n'est pas un fichier ordinaire\n";
        return 1;
    }
    // The file is read and decoded once, whether it is a drawing or a picture;
    // a calculator's picture is a drawing of its own.
    QImage image, topleft;
    PictureFile calculator;
    std::string unread, read;
    // A photo is decoded no larger than the model's screen needs.
    const QSize screen(o.model->screen.columns, o.model->screen.rows);
    const bool fromcalculator = !o.input.empty() && exchange::calculatorfile(o.input, read);
    if (fromcalculator ? !exchange::decodepicturefile(read, calculator, unread)
                       : !o.input.empty() && !exchange::readpicture(o.input, image, unread, screen, &topleft)) {
        if (!o.refusal.isEmpty()) return badoption(o.refusal);
        std::cerr << name << exchangetexts::importfailed(o.input, unread) << '\n';
        return 1;
    }
    if (fromcalculator) image = exchange::toqimage(calculator.picture);
    // A drawing the editor saved comes back exactly, under its own model
    // unless another is asked for; its model is the one that must take the
    // format and the mode.
    std::optional<SavedDrawing> saved;
    if (!o.input.empty()) saved = saveddrawing(fromcalculator ? calculator : exchange::picturefileof(image));
    const bool own = saved && (!o.modelgiven || saved->model == o.model);
    if (own) o.model = saved->model;
    if (QString e = o.modelgiven ? QString() : own ? fits(o, *o.model) : o.refusal; !e.isEmpty()) return badoption(e);
    Grid drawing(o.model->screen.columns, o.model->screen.rows);
    int background = o.model->casioback ? startbackground : 1;
    // A free palette's colours, the model's to start with.
    std::vector<wincolour> colours = o.model->freepalette() ? o.model->colours() : std::vector<wincolour>{};
    if (own) {
        drawing = std::move(saved->cells);
        background = saved->bgkind;
        colours.assign(saved->palette.begin(), saved->palette.end());
    } else if (!o.input.empty()) {
        importpicture(exchange::pixelsof(image, topleft), *o.model, background, o.choices, drawing, colours);
    }
    // A sprite: the picture's own rectangle, as much of it as the screen holds.
    if (!o.sprite.empty()) {
        const QImage& actual = topleft.isNull() ? image : topleft;
        const int w = own || o.input.empty() ? drawing.columns() : std::min(actual.width(), drawing.columns());
        const int h = own || o.input.empty() ? drawing.rows() : std::min(actual.height(), drawing.rows());
        Grid block(w, h);
        for (int y = 1; y <= h; ++y)
            for (int x = 1; x <= w; ++x) block.set(x, y, drawing.get(x, y));
        drawing = std::move(block);
    }
    const std::string programname = o.sprite.empty() ? o.programname : spriteprogramname(o.sprite);
    const Program program = !o.sprite.empty()
                                ? (o.mode == CodeMode::python ? Program{toutf16(pythonsprite(drawing, o.sprite, *o.model, colours.empty() ? o.model->colours() : colours))}
                                                              : basicsprite(drawing, *o.model, colours))
                            : o.format->fromprogram ? generateprogram(drawing, *o.model, o.mode, pictmemory(o.picture, o.model->lastpicture), {}, colours)
                                                    : Program{};
    const OutputSource source{.grid = drawing,
                              .model = *o.model,
                              .program = program.text,
                              .programname = programname,
                              .picture = o.picture ? pictmemory(o.picture, g1m::lastpicture) : 1,
                              .bgkind = background,
                              .palette = colours};
    std::string error;
    const std::string bytes = o.format->write(source, error);
    if (!error.empty()) {
        std::cerr << name << error << '\n';
        return 1;
    }

    if (o.output.empty()) {
        std::cout.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        std::cout.flush();
        if (!std::cout) {
            std::cerr << name << "impossible d'écrire sur la sortie standard\n";
            return 1;
        }
    } else {
        std::string reason;
        if (!exchange::writebytes(o.output, bytes, reason)) {
            std::cerr << name << "impossible d'écrire « " << o.output << " » : " << reason << ".\n";
            return 1;
        }
    }
    if (o.mode == CodeMode::python) std::cerr << scripttexts::size(bytes.size()) << '\n';
    else if (!o.sprite.empty()) std::cerr << "Taille du programme : " << program.bytesest << " octets sur la calculatrice\n";
    else if (o.format->fromprogram) std::cerr << codetexts::estimate(program.bytesest) << '\n';
    if (program.unnamed) std::cerr << codetexts::unnamed(program.unnamed, o.model->codes()) << '\n';
    // Written as asked all the same: the line says what fits instead.
    if (const std::string line = memoryfit(*o.format, source, bytes).line; !line.empty()) {
        std::cerr << line << '\n';
        return 3;
    }
    return 0;
}

}  // namespace

}  // namespace grafipix

int main(int argc, char** argv) {
    using namespace grafipix;
    QCoreApplication app(argc, argv);
    // Qt's and libpng's own lines are English and only repeat the message
    // given below: standard error says it in French alone.
    qInstallMessageHandler(quietqt);
    // Past a file-size limit a write fails as on a full disk, with its message
    // and the old file intact, rather than the signal ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    Options options;
    const QString error = parse(QCoreApplication::arguments(), options);
    if (options.help || options.version) {
        std::cout << (options.help ? std::string(usage) : "grafipix-convert " + texts::version + "\n");
        return 0;
    }
    if (!error.isEmpty()) return badoption(error);
    return convert(options);
}
