#pragma once
// The editor: the process-wide state under the names the handlers use, the
// state of every control of `Main`, and the handlers as member functions. Each
// subsystem defines its handlers in its own folder (see ARCHITECTURE.md).

#include <cstdint>
#include <optional>
#include <string>

#include "core/canvas.h"
#include "core/controls.h"
#include "core/grid.h"
#include "core/platform.h"
#include "core/tool_codes.h"

namespace grafipix {

// The `Code` window's controls while the window exists.
struct CodeForm {
    std::string Label1;
    int progress = 0;  // columns of the navy strip drawn so far, 0..221
    std::u16string Text1;
    int selstart = 0;
    int sellength = 0;
    bool focus = false;
    std::string bytes;
};

class Editor {
public:
    explicit Editor(Platform& platform);
    Editor(const Editor&) = delete;
    Editor& operator=(const Editor&) = delete;

    Platform& platform;

    // ---- picture and editor state ----
    Grid pixelgrid;
    Grid selgrid;
    Tool curtool = Tool::point10;
    int16_t curcolor = 0;
    int inkcolor = 0;
    int bgkind = 0;
    int opaquedup = 0;
    float codemode = 0.0f;
    float anchorx = 0.0f, anchory = 0.0f;
    float selx = 0.0f, sely = 0.0f, selw = 0.0f, selh = 0.0f;
    int selnotempty = 0;

    // ---- controls of Main ----
    Canvas Picture1;
    Label Label1, modelbl, Label4, typcalc, Label2, coordx, Label3, coordy, Label5, Label6;
    Button Command1, Command2, Command3, Command6, Command7, Command8, Command9, Command10, Command11;
    Button presstruegreen, presswhite, pressblue, pressblack, pressorange, pressgreen;
    MenuEntry file, new_, importation, exportation, generate, fline, drawstat, exit;
    MenuEntry selection, desel, selduplicate, seldelete, rotate180, selsym, selvert, selhoriz;
    MenuEntry replacesel, repbluesel, repgreensel, reporangesel, repbgsel;
    MenuEntry options, calc, g35, g65, g85, g100, bground, bgwhite, bgcasio, opyes;
    MenuEntry remplace, repblue, repgreen, reporange, repbg;
    MenuEntry aide, about;

    // ---- the Code window, while it exists ----
    std::optional<CodeForm> Code;

    // ---- application shell (core/) ----
    void Main_Load();
    void Timer1_Timer();
    void new_Click();
    void exit_Click();
    void Main_Unload();
    void about_Click();

    // ---- canvas (core/) ----
    void redrawcanvas();
    void bgcasio_Click();
    void bgwhite_Click();
    // The canvas colour of a colour code under the current ink and background.
    wincolour colourof(int code) const;

    // ---- tools (tools/) ----
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();
    void Command10_Click();
    void Command11_Click();
    void Picture1_MouseDown(int button, int shift, float X, float Y);
    void Picture1_MouseMove(int button, int shift, float X, float Y);
    void plotcell(float x, float y);
    void previewcell(float x, float y);

    // ---- models and colours (models/) ----
    void g35_Click();
    void g65_Click();
    void g85_Click();
    void g100_Click();
    void pressblue_Click();
    void pressblack_Click();
    void pressgreen_Click();
    void pressorange_Click();
    void presstruegreen_Click();
    void presswhite_Click();

    // ---- selection and replacement (selection/) ----
    void desel_Click();
    void selduplicate_Click();
    void seldelete_Click();
    void selhoriz_Click();
    void selvert_Click();
    void rotate180_Click();
    void opyes_Click();
    void checksel();
    void replacecolor(int colour, int scope);
    void repblue_Click();
    void repgreen_Click();
    void reporange_Click();
    void repbg_Click();
    void repbluesel_Click();
    void repgreensel_Click();
    void reporangesel_Click();
    void repbgsel_Click();

    // ---- code generation (codegen/) ----
    void fline_Click();
    void drawstat_Click();
    void Code_Timer1_Timer();
    void Code_Unload();
    void showprogress(double done, double total);

    // ---- picture exchange (exchange/) ----
    void importation_Click();
    void exportation_Click();
    void importimage();
    void exportimage();
};

}  // namespace grafipix
