// SPDX-License-Identifier: GPL-3.0-or-later
// "Ouvrir", "Enregistrer", "Enregistrer sous...", "Dessins récents" and the
// title: a drawing is a PNG of its screen, one pixel a cell, that names its
// model and background.

#include <algorithm>

#include "app/colour_buttons.h"
#include "app/editor.h"
#include "app/main_controls.h"
#include "calculator/model_table.h"
#include "document/texts.h"

namespace grafipix {

namespace {

const std::string drawingfilter = findoutput("png")->filter();

std::string filepart(const std::string& path) { return path.substr(path.find_last_of("/\\") + 1); }

}  // namespace

void Editor::open_Click() {
    const std::string path = platform.openfile(exchangetexts::openfilter);
    if (!path.empty()) opendrawing(path);
}

void Editor::save_Click() {
    if (filename_.empty()) saveas_Click();
    else writedrawingfile(filename_);
}

void Editor::saveas_Click() {
    const std::string path =
        platform.savefile(drawingfilter, filename_.empty() ? "dessin.png" : filepart(filename_));
    if (!path.empty()) writedrawingfile(path);
}

std::string Editor::drawingfilebytes(std::string& reason) const {
    const std::vector<wincolour> own = owncolours();
    return findoutput("png")->write({.grid = pixelgrid, .model = *model, .bgkind = bgkind, .palette = own}, reason);
}

bool Editor::writedrawingfile(const std::string& path) {
    std::string reason;
    const std::string bytes = drawingfilebytes(reason);
    // savebytes leaves any earlier file whole when it fails.
    if (!reason.empty() || !platform.savebytes(path, bytes, reason)) {
        platform.messagebox("Impossible d'enregistrer « " + path + " » : " + reason + ".");
        return false;
    }
    filename_ = path;
    saved_ = FileState{pixelgrid, model, bgkind, doc.palette()};
    remember(path);
    return true;
}

void Editor::opendrawing(const std::string& path) {
    PictureFile picture;
    std::string reason;
    if (!platform.readpicturefile(path, picture, reason)) {
        platform.messagebox("Impossible d'ouvrir « " + path + " » : " + reason + ".");
        return;
    }
    std::optional<SavedDrawing> drawing = saveddrawing(picture);
    // A calculator's picture is a drawing, but its file is not one of ours.
    const bool ours = drawing.has_value() && picture.calculatorfile.empty();
    // A .g1m picture suits every model that takes them: the one in use stays.
    if (drawing && picture.calculatorfile == "g1m" && std::string_view(model->picturefile) == "g1m") drawing->model = model;
    if (!drawing) {
        // A picture of the screen in this model's colours maps cell for cell,
        // on either background; any other goes through the import.
        const std::vector<wincolour> shown = model->freepalette() ? colours() : model->shownpalette(bgkind);
        std::optional<Grid> cells = cellsof(picture.picture, model->screen, shown);
        if (!cells && model->casioback) cells = cellsof(picture.picture, model->screen, model->shownpalette(3 - bgkind));
        if (!cells && !importfile(path, true)) return;
        if (cells) drawing = SavedDrawing{std::move(*cells), model, bgkind, doc.palette()};
    }
    selection.enabled = selframe = false;
    if (drawing) {
        // The screen and buttons of its model first: every cell is written after.
        if (drawing->model != model) applymodel(*this, *drawing->model);
        if (drawing->bgkind != bgkind) choosebackground(*this, drawing->bgkind);
        doc.setpalette(std::move(drawing->palette));
        doc.restore(drawing->cells);
        Picture1.setpicture(Picture{});
        redrawcanvas();
    }
    // Only a drawing Grafipix saved is its file: saving over any other
    // picture would replace it with a drawing.
    if (ours) {
        filename_ = path;
        saved_ = FileState{pixelgrid, model, bgkind, doc.palette()};
    } else {
        filename_.clear();
        saved_.reset();
    }
    remember(path);
}

void Editor::openrecent(size_t place) {
    if (place >= recent_.size()) return;
    const std::string path = recent_[place];
    if (!platform.fileexists(path)) {
        platform.messagebox("Le dessin « " + path + " » n'existe plus ; il est retiré des dessins récents.");
        forget(path);
        return;
    }
    opendrawing(path);
}

bool Editor::unsaved() const {
    if (saved_)
        return pixelgrid != saved_->cells || model != saved_->model || bgkind != saved_->bgkind || doc.palette() != saved_->palette;
    return pixelgrid != Grid(pixelgrid.columns(), pixelgrid.rows()) || (model->freepalette() && doc.palette() != Palette(model->colours()));
}

std::string Editor::title() const {
    return (filename_.empty() ? "Sans titre" : filepart(filename_)) + (unsaved() ? "*" : "") + " - " + texts::credit;
}

void Editor::remember(const std::string& path) {
    std::erase(recent_, path);
    recent_.insert(recent_.begin(), path);
    if (recent_.size() > size_t(recentcount)) recent_.resize(recentcount);
    platform.keeprecentfiles(recent_);
    showrecent();
}

void Editor::forget(const std::string& path) {
    std::erase(recent_, path);
    platform.keeprecentfiles(recent_);
    showrecent();
}

void Editor::showrecent() {
    recent.enabled = !recent_.empty();
    for (const MenuRow& m : menutree()) {
        if (m.recent < 0) continue;
        MenuEntry& e = entry(m);
        e.visible = e.enabled = size_t(m.recent) < recent_.size();
        e.caption = e.visible ? std::to_string(m.recent + 1) + " " + recent_[size_t(m.recent)] : "";
    }
}

}  // namespace grafipix
