// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The editor: the drawing with its painters, the variables of the windows,
// the state of every control of `Main` and of the `Code` window, and the
// handlers as member functions. Every event comes in through handle(); each
// subsystem defines its handlers in its own folder (see ARCHITECTURE.md).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "codegen/calc_interpreter.h"
#include "codegen/program_text.h"
#include "app/controls.h"
#include "render/drawing.h"
#include "app/events.h"
#include "document/history.h"
#include "formats/outputs.h"
#include "tools/tool_code.h"
#include "tools/tool_context.h"

namespace grafipix {

struct MenuRow;
struct Model;
struct ToolRow;

// A command button of the `Code` window.
struct CodeButton {
    std::string caption;
    bool enabled = false;
    std::string tooltip;
};

// The `Code` window's controls while the window exists.
struct CodeForm {
    std::string Label1;
    int progress = 0;  // columns of the navy strip drawn so far, 0..221
    std::u16string Text1;
    int selstart = 0;
    int sellength = 0;
    bool focus = false;
    std::string bytes;
    CodeButton savetext{findoutput("text")->caption, false, ""}, savecalc{findoutput("g1m")->caption, false, ""};
    CalcRun preview;          // the calculator screen the program draws
    std::string previewinfo;  // its statements and its size on the calculator
    std::string toolarge;     // shown in red: the output does not fit the calculator, and what does
};

// The panel's swatches are clicked by this and their code: "swatch12".
inline constexpr std::string_view swatchprefix = "swatch";

// The sprite window's contents while it exists: the selected block as a
// Python module and as a BASIC program, as the model takes them.
struct SpriteForm {
    std::string name;      // as the user gave it; the program's is in capitals
    std::string python;    // the module, where the model runs Python
    std::u16string basic;  // the program, where it runs BASIC
    int unnamed = 0;       // its colours BASIC cannot name
    bool showsbasic = false;
    std::string info;      // the size of what it shows, and what BASIC cannot name
    CodeButton showpython{"Module Python", false, "Le sprite en module nom.py qui définit nom(x, y)"},
        showbasic{"Programme Basic", false, "Le sprite en programme, dessiné en colonne A et ligne B"},
        save{"Enregistrer...", true, ""}, savecalc{"Enregistrer pour la calculatrice...", false, ""};
};

class Editor : public Drawing, private ToolContext {
public:
    explicit Editor(Platform& platform);

    // The one way in for every event. A click on a control that cannot be
    // chosen now (a hidden button, a disabled entry or an entry of a disabled
    // menu) is refused: false, and nothing happens.
    bool handle(const Event& e);

    // Windows, boxes, files and timers; hidden from the tools behind Drawing.
    Platform& platform;

    // ---- state of the windows ----
    ToolCode curtool;
    CodeMode codemode = CodeMode::none;
    int selnotempty = 0;
    // The steps "Annuler" and "Rétablir" move over.
    History history;

    const Model& currentmodel() const { return *model; }
    // The drawing's own colours on a model whose palette is free; empty on the others.
    std::vector<wincolour> owncolours() const { return model->freepalette() ? colours() : std::vector<wincolour>{}; }

    // What the windows show, read-only. The tests read the editor through
    // these and the controls by name, never its fields, so its insides can
    // change under them; the binding can do the same.
    const Grid& picture() const { return pixelgrid; }
    // The block "Dupliquer" pastes, its top-left at (1, 1).
    const Grid& buffer() const { return selgrid; }
    const Canvas& canvas() const { return Picture1; }
    ToolCode tool() const { return curtool; }
    int16_t drawingcolour() const { return curcolor; }
    // The drawing's own colours on a free palette; empty on a fixed one.
    const Palette& drawingpalette() const { return doc.palette(); }
    // 1 white, 2 the screen green: the `bgkind` the palette's swatches take.
    int backgroundkind() const { return bgkind; }
    const CodeForm* codewindow() const { return Code ? &*Code : nullptr; }
    size_t undoable() const { return history.undoable(); }
    size_t redoable() const { return history.redoable(); }

    // ---- controls of Main ----
    Label Label1, modelbl, Label4, typcalc, Label2, coordx, Label3, coordy, Label5, Label6;
    std::vector<Button> toolbuttons;    // one per row of the tool table, in its order
    std::vector<Button> colourbuttons;  // one per swatch of allswatches(), in its order
    MenuEntry file, new_, reopen, open_, save, saveas, recent, importation, exportation, exportcalc, generate, fline, drawstat, compact, python, exit;
    MenuEntry edit, undo, redo, continu;
    MenuEntry selection, desel, selduplicate, seldelete, rotate180, selsym, selvert, selhoriz, selsprite;
    MenuEntry replacesel, repchoosesel;
    MenuEntry palettemenu, editcolour, addcolour, dropunused;
    MenuEntry options, calc, bground, bgwhite, bgcasio, opyes;
    MenuEntry remplace, repchoose;
    // The entries made from the model table and the palettes (MenuRow::slot).
    std::vector<MenuEntry> tableentries;
    MenuEntry zoom, zoom1, zoom2, zoom3, zoom4, zoom5, zoom6, zoomfit, grille;
    MenuEntry dither;  // last of "Options"
    ImportChoices importchoices;  // the import dialog's, kept for the run
    MenuEntry aide, about;

    // The controls by name, nullptr for an unknown name.
    MenuEntry* menu(std::string_view name);
    const MenuEntry* menu(std::string_view name) const;
    MenuEntry& entry(const MenuRow& row);
    const MenuEntry& entry(const MenuRow& row) const { return const_cast<Editor*>(this)->entry(row); }
    Button* button(std::string_view name);
    const Button* button(std::string_view name) const;
    const Label* label(std::string_view name) const;

    // ---- the Code window and the sprite window, while they exist ----
    std::optional<CodeForm> Code;
    std::optional<SpriteForm> Sprite;
    const SpriteForm* spritewindow() const { return Sprite ? &*Sprite : nullptr; }

    // ---- application shell and canvas (core/) ----
    void Main_Load();
    void Timer1_Timer();
    void new_Click();
    void exit_Click();
    void Main_Unload();
    void about_Click();
    void bgcasio_Click();
    void bgwhite_Click();
    // "Zoom" and "Grille" (view_options.cpp): only how the binding shows the canvas.
    void zoom1_Click();
    void zoom2_Click();
    void zoom3_Click();
    void zoom4_Click();
    void zoom5_Click();
    void zoom6_Click();
    void zoomfit_Click();
    void grille_Click();
    // The factor whose entry carries the check mark, 1 to 6; 1 while the
    // canvas fits the window ("Ajuster à la fenêtre").
    int zoomfactor() const;
    // The largest factor at which the window with a screen of that size, its
    // canvas and every control, fits a 1280 x 800 screen; at least 1.
    static int openingzoom(const Screen& s);
    // Checks the entry of that factor, or of "Ajuster à la fenêtre" for 0.
    void setzoom(int factor);

    // ---- undo, redo and the drawing kept between runs (core/) ----
    void undo_Click();
    void redo_Click();
    void reopen_Click();
    // Forgets every step: undo goes back no further than the picture as it is.
    void newhistory();
    // The picture written to the user's data folder on the way out.
    void keepdrawing();

    // ---- tools (dispatch.cpp) ----
    void Picture1_MouseDown(int button, int shift, float X, float Y);
    void Picture1_MouseMove(int button, int shift, float X, float Y);
    // A tool button: the tool's first step and its status text.
    void choosetool(const ToolRow& tool);
    // A key: a tool's key chooses it as its button does, Escape abandons what
    // the tool holds, Ctrl++ and Ctrl+- step the zoom. false: no such key.
    bool keypress(std::string_view key);
    void escape();
    void continu_Click();

    // ---- models and colours (models.cpp, colour_buttons.cpp) ----
    // A model's entry: its screen, its palette, its buttons and captions.
    void choosemodel(const Model& m);
    // A colour button, by its place in allswatches().
    void presscolour(size_t swatch);

    // ---- selection and replacement (selection/) ----
    void desel_Click();
    void selduplicate_Click();
    void seldelete_Click();
    void selhoriz_Click();
    void selvert_Click();
    void rotate180_Click();
    void opyes_Click();
    void checksel();
    // Every cell of `colour` becomes `to` (the drawing colour for -1), in the
    // whole picture (scope 0) or the selected block.
    void replacecolor(int colour, int scope, int to = -1);
    // "Choisir les couleurs...": the replacement's form, on a free palette.
    void repchoose_Click();
    void repchoosesel_Click();

    // ---- the drawing's own palette (palette.cpp) ----
    // A swatch of the palette's panel: that code becomes the drawing colour.
    void choosecode(int code);
    void editcolour_Click();
    void addcolour_Click();
    void dropunused_Click();
    // The "Palette" menu and the replacement entries follow the model and the palette.
    void palettestate();
    // Whether the canvas has the panel of the drawing's colours beside it.
    bool palettepanel() const { return model->freepalette(); }

    // ---- code generation (codegen/) ----
    void fline_Click();
    void drawstat_Click();
    void compact_Click();
    void python_Click();
    void Code_Timer1_Timer();
    void Code_Unload();
    void showprogress(double done, double total);
    void savetext_Click();
    void savecalc_Click();
    void exportcalc_Click();
    // The .g1m commands follow the model: enabled where its calculators take the files.
    void calcfilesstate();

    // ---- sprites (sprite_export.cpp) ----
    // "Exporter en sprite...": the selected block under a name the user gives.
    void selsprite_Click();
    void spritepython_Click();
    void spritebasic_Click();
    void savesprite_Click();
    void savespritecalc_Click();
    void Sprite_Unload();
    void showsprite(bool basic);

    // ---- drawings as files (drawing_files.cpp) ----
    void open_Click();
    void save_Click();
    void saveas_Click();
    // The entry of "Dessins récents" at that place, most recent first.
    void openrecent(size_t place);
    // "Ouvrir" of that file: a drawing Grafipix saved comes back exactly,
    // another picture goes through the import onto an empty drawing.
    void opendrawing(const std::string& path);
    // The file name or "Sans titre", a `*` while the file lacks changes.
    std::string title() const;
    bool unsaved() const;
    const std::vector<std::string>& recentfiles() const { return recent_; }

    // ---- picture exchange (exchange/) ----
    // The import of a picture file: laid over the drawing through the import's
    // dialog, or onto an empty drawing with the run's choices as "Ouvrir" takes
    // a picture that is not a drawing; false when it cannot be read or the
    // dialog is cancelled.
    bool importfile(const std::string& path, bool ontoempty);
    void importation_Click();
    void dither_Click();
    void exportation_Click();

private:
    bool click(std::string_view name);
    bool zoomby(int steps);

    // The tools' context (dispatch.cpp).
    Drawing& drawing() override { return *this; }
    ToolState& state() override { return toolstate_; }
    bool continuous() const override { return continu.checked; }
    void setcolour(int16_t code) override;
    void previoustool() override;

    // What the drawing's file holds, to tell whether it lacks changes; no
    // file yet: the empty picture.
    struct FileState {
        Grid cells;
        const Model* model;
        int bgkind;
        Palette palette;
    };
    std::string filename_;
    std::optional<FileState> saved_;
    std::vector<std::string> recent_;
    // The drawing's PNG, as saved and as "Exporter image" writes its cells.
    std::string drawingfilebytes(std::string& reason) const;
    bool writedrawingfile(const std::string& path);
    void remember(const std::string& path);
    void forget(const std::string& path);
    void showrecent();

    ToolState toolstate_;
    // The tool and status text the last choice of another tool left.
    ToolCode beforetool;
    std::string beforecaption;
    Marks marks() const;
    bool strokerunning() const;
    void stepover(bool backwards);
};

// `row` written from `source`, then saved where the dialog says, under
// `filename` or the row's own name; a failure says why, and an output larger
// than the calculator holds says so.
void saveoutput(Editor& ed, const Output& row, const OutputSource& source, const std::string& filename = "");

// The model switch without its fold: screen, buttons, highlight, drawing
// colour, pen, redraw, label, check marks and replacement captions. Undo
// brings a model back with it.
void applymodel(Editor& ed, const Model& m);

}  // namespace grafipix
