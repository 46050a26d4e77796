// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything the editor asks of the world outside its own state: secondary
// windows, timers, modal boxes, file dialogs, picture files and the random
// source. ui/ implements it with Qt; tests use a scripted fake.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "render/canvas.h"
#include "calculator/colours.h"
#include "formats/drawing_file.h"
#include "formats/image_conversion.h"
#include "formats/import_framing.h"
#include "render/random_source.h"

namespace grafipix {

class ImportDialog;

enum class Window { Main, Preview, Apropos, Apercu, Code, Sprite };
enum class Timer { Main1, Code1 };  // `Timer1` of `Main`, `Timer1` of `Code`

class Platform : public Randomness {
public:
    virtual ~Platform() = default;

    // Create on first use, show without making modal, bring to the front.
    virtual void showwindow(Window w) = 0;
    virtual void hidewindow(Window w) = 0;
    virtual void endprocess() = 0;

    virtual void settimer(Timer t, bool enabled, int intervalms) = 0;

    // Modal, exclamation icon, one OK button, the application's name as title.
    virtual void messagebox(const std::string& text) = 0;
    // Modal; the typed text, empty on Cancel.
    virtual std::string inputbox(const std::string& prompt, const std::string& title) = 0;

    // The same with `initial` typed in already; nothing on Cancel, so that an
    // empty answer can be told from it.
    virtual std::optional<std::string> inputboxwith(const std::string& prompt, const std::string& title,
                                                    const std::string& initial) = 0;

    // The toolkit's colour dialog, modal, open on `initial`; nothing on Cancel.
    virtual std::optional<wincolour> choosecolour(wincolour initial, const std::string& title) = 0;
    // The replacement's form over the drawing's colours, by code, open on
    // `from` and `to`: the code to replace and the one it becomes; nothing on Cancel.
    virtual std::optional<std::pair<int, int>> choosereplacement(const std::vector<wincolour>& colours, int from, int to,
                                                                 const std::string& title) = 0;

    // Common file dialog; the chosen path, empty when cancelled.
    virtual std::string openfile(const std::string& filter) = 0;
    virtual std::string savefile(const std::string& filter, const std::string& filename) = 0;

    // The same with a filter of several entries ("A|*.a|B|*.b"): `chosen`
    // gets the place of the entry the user left selected, 0 the first.
    virtual std::string savefiletype(const std::string& filter, const std::string& filename, int& chosen) {
        chosen = 0;
        return savefile(filter, filename);
    }

    // A picture file for "Ouvrir" (see PictureFile); false with a French reason.
    virtual bool readpicturefile(const std::string& path, PictureFile& out, std::string& error) = 0;
    virtual bool fileexists(const std::string& path) = 0;

    // Load a picture file for the import, decoded once: on success fills `out`
    // with its pixels and returns true, and `Apercu` will show it stretched to
    // columns x rows, counted from 0, once the import is made; on failure
    // returns false with a French reason in `error` and changes nothing.
    virtual bool loadpicture(const std::string& path, int columns, int rows, Pixels& out, std::string& error) = 0;
    // The import's dialog, modal, over the state it shows and changes: true
    // for "OK", false for "Annuler".
    virtual bool importdialog(ImportDialog& dialog) = 0;
    // Save a picture as BMP data under exactly `path`; false with a French reason.
    virtual bool savebitmap(const std::string& path, const Picture& p, std::string& error) = 0;

    // Bytes under exactly `path`, replacing a file there only once all are
    // written; false with a French reason, and then no file is left.
    virtual bool savebytes(const std::string& path, const std::string& bytes, std::string& error) = 0;

    // rnd(): uniform in [0, 1), the same sequence at every start.

    // The drawing kept between runs in the user's data folder, as text,
    // written through a file that replaces the old one only once complete.
    // False with a French reason; a platform without a data folder keeps nothing.
    virtual bool savedrawing(const std::string&, std::string& error) {
        return error = "pas de dossier de données", false;
    }
    virtual bool loaddrawing(std::string&, std::string& error) { return error = "pas de dossier de données", false; }

    // "Dessins récents", kept between runs; most recent first.
    virtual std::vector<std::string> recentfiles() { return {}; }
    virtual void keeprecentfiles(const std::vector<std::string>&) {}
};

}  // namespace grafipix
