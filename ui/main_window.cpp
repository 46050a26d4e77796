// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QSettings>
#include <algorithm>
#include <limits>

#include "calculator/model_table.h"
#include "tools/tool_table.h"
#include "ui/application.h"
#include "ui/artwork.h"
#include "ui/canvas_widget.h"
#include "ui/palette_widgets.h"

namespace grafipix::ui {

namespace {

QRect twips(int left, int top, int width, int height) {
    return QRect(left / twipsperpixel, top / twipsperpixel, width / twipsperpixel, height / twipsperpixel);
}

// The light grey client area with the frame around the read-out and the
// separator between the credit labels.
class ClientArea : public QWidget {
public:
    ClientArea() {
        setAutoFillBackground(true);
        QPalette pal = palette();
        pal.setColor(QPalette::Window, qcolour(lightgrey));
        setPalette(pal);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setPen(Qt::black);
        p.drawRect(QRect(QPoint(120 / twipsperpixel, 480 / twipsperpixel),
                         QPoint(1200 / twipsperpixel, 1320 / twipsperpixel)));
        const int y = 3960 / twipsperpixel + below;
        p.drawLine(2880 / twipsperpixel, y, 4800 / twipsperpixel, y);
    }

public:
    int below = 0;  // pixels the canvas grew downward by, under the zoom
};

QString buttonstyle(wincolour back) {
    if (back == buttonface) return QString();
    // A flat coloured face with a dark rim, so the swatch stays readable.
    return QString("QPushButton { background-color: %1; border: 2px solid #303030; }")
        .arg(qcolour(back).name());
}

}  // namespace

MainWindow::MainWindow(Application& app) : app_(app) {
    setObjectName("Main");
    setAcceptDrops(true);
    auto* client = new ClientArea();
    client->setObjectName("client");
    client->setMinimumSize(mainwidth / twipsperpixel, mainheight / twipsperpixel);
    setCentralWidget(client);
    buildmenus();
    buildcontrols(client);
    resize(mainwidth / twipsperpixel, mainheight / twipsperpixel + menuBar()->sizeHint().height());
    if (QScreen* s = QGuiApplication::primaryScreen()) {
        QRect r = frameGeometry();
        r.moveCenter(s->availableGeometry().center());
        move(r.topLeft());
    }
    refresh();
}

void MainWindow::buildmenus() {
    auto rows = menutree();
    std::vector<QMenu*> parents;  // the open menu at each depth
    auto* zooms = new QActionGroup(this);  // radio marks for the zoom factors
    for (size_t i = 0; i < rows.size(); ++i) {
        const MenuRow& m = rows[i];
        bool opens = i + 1 < rows.size() && rows[i + 1].depth > m.depth;
        parents.resize(m.depth);
        QString caption = QString::fromStdString(m.caption);
        if (opens) {
            QMenu* sub = m.depth == 0 ? menuBar()->addMenu(caption) : parents.back()->addMenu(caption);
            sub->setObjectName(QString::fromStdString(m.name));
            menus_[m.name] = sub;
            actions_[m.name] = sub->menuAction();
            parents.push_back(sub);
            continue;
        }
        QAction* a = m.depth == 0 ? menuBar()->addAction(caption) : parents.back()->addAction(caption);
        a->setObjectName(QString::fromStdString(m.name));
        if (*m.shortcut) a->setShortcuts(QKeySequence::listFromString(QString::fromUtf8(m.shortcut)));
        if (m.depth == 2 && m.name.starts_with("zoom")) zooms->addAction(a);
        // The refresh after the event undoes Qt's own toggle of a check mark.
        const char* name = m.name.c_str();  // the menu tree lives as long as the program
        QObject::connect(a, &QAction::triggered, [this, name] { app_.run(Event::click(name)); });
        actions_[m.name] = a;
    }
}

void MainWindow::buildcontrols(QWidget* client) {
    for (const ButtonRow& b : mainbuttons()) {
        auto* button = new QPushButton(client);
        button->setObjectName(b.name);
        button->setGeometry(twips(b.left, b.top, b.width, b.height));
        button->setFocusPolicy(Qt::NoFocus);
        const QPixmap pm = b.icon ? toolicon(b.icon) : swatch(b.swatch);
        button->setIcon(QIcon(pm));
        button->setIconSize(pm.size());
        if (const ToolRow* tool = findtool(b.name))  // the tool's name and its key
            button->setToolTip(QString::fromUtf8(tool->caption).section(',', 0, 0) + " (" + tool->key + ")");
        const char* name = b.name;
        QObject::connect(button, &QPushButton::clicked, [this, name] { app_.run(Event::click(name)); });
        buttons_[name] = button;
        shownback_[name] = buttonface;
    }
    for (const LabelRow& l : mainlabels()) {
        auto* label = new QLabel(client);
        label->setObjectName(l.name);
        label->setGeometry(twips(l.left, l.top, l.width, l.height));
        label->setTextFormat(Qt::PlainText);
        setcaptionface(label, 10, l.bold);
        labels_[l.name] = label;
    }
    // Where the colour buttons are, which a free palette's panel replaces.
    palette_ = new PalettePanel(app_, client);
    palette_->setGeometry(twips(60, 3000, 1200, 4800));
    palette_->hide();
    canvas_ = new CanvasWidget(app_, client);
    canvas_->move(canvasleft / twipsperpixel, canvastop / twipsperpixel);
    for (QWidget* w : client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) designed_.push_back({w, w->geometry()});
}

void MainWindow::place(int cellpixels, bool fit) {
    fit_ = fit;
    canvas_->setscale(cellpixels, app_.editor().grille.checked);
    // Beyond the canvas of the start model at its own size, everything grows;
    // the controls under it never rise over the colour buttons beside it.
    const Screen start = startmodel().screen;
    const QRect canvas = twips(canvasleft, canvastop, canvaswidth, canvasheight);
    const auto under = [&canvas](const QRect& at) { return at.top() > canvas.bottom() && at.right() > canvas.left(); };
    int lowest = 0, firstunder = std::numeric_limits<int>::max();
    for (auto& [w, at] : designed_) {
        if (under(at)) firstunder = std::min(firstunder, at.top());
        else if (w != canvas_ && !w->isHidden() && at.right() < canvas.left()) lowest = std::max(lowest, at.bottom());
    }
    // The client area around a canvas of that size.
    const auto around = [&](QSize shown) {
        return QSize(mainwidth / twipsperpixel + std::max(0, shown.width() - Canvas::pixelsfor(start.columns)),
                     mainheight / twipsperpixel + std::max({0, shown.height() - Canvas::pixelsfor(start.rows), lowest + 1 - firstunder}));
    };
    const QSize size = around(canvas_->size());
    const int taller = size.height() - mainheight / twipsperpixel;
    for (auto& [w, at] : designed_)
        if (w != canvas_ && under(at)) w->move(at.topLeft() + QPoint(0, taller));
    auto* client = static_cast<ClientArea*>(centralWidget());
    client->below = taller;
    client->update();
    // Fitting the window, any size from that of a canvas of one pixel a cell.
    client->setMinimumSize(fit ? around(canvas_->sizeat(1)) : size);
    layout()->activate();  // else the window keeps the larger minimum and cannot shrink
    if (fit) return;
    resize(size.width(), size.height() + menuBar()->sizeHint().height());
    // Grown past the screen's edge, the window comes back onto it.
    if (const QScreen* s = screen()) {
        const QRect room = s->availableGeometry(), r = frameGeometry();
        move(std::clamp(r.left(), room.left(), std::max(room.left(), room.right() + 1 - r.width())),
             std::clamp(r.top(), room.top(), std::max(room.top(), room.bottom() + 1 - r.height())));
    }
}

int MainWindow::fittingcells() const {
    // The room the controls leave: the client area less what they take beside and under the start model's canvas.
    const Screen start = startmodel().screen;
    const QSize room = centralWidget()->size() - QSize(mainwidth / twipsperpixel - Canvas::pixelsfor(start.columns),
                                                       mainheight / twipsperpixel - Canvas::pixelsfor(start.rows));
    const Canvas& raster = app_.editor().Picture1;
    return std::max(1, std::min(room.width() * Canvas::unitpixels / raster.width(),
                                room.height() * Canvas::unitpixels / raster.height()));
}

void MainWindow::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    if (fit_ && fittingcells() != canvas_->cellpixels()) place(fittingcells(), true);
}

void MainWindow::keyPressEvent(QKeyEvent* e) {
    // Shift and the keypad make no key of their own: Ctrl++ needs Shift on many keyboards.
    const auto keys = e->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    const std::string name = QKeySequence(QKeyCombination(keys, Qt::Key(e->key()))).toString(QKeySequence::PortableText).toStdString();
    if (!app_.run(Event::key(name))) QMainWindow::keyPressEvent(e);
}

void MainWindow::refresh() {
    const Editor& ed = app_.editor();
    for (const MenuRow& m : menutree()) {
        const MenuEntry& entry = ed.entry(m);
        QAction* a = actions_.at(m.name);
        // A file's name may hold a '&', which Qt would take for a shortcut's mark.
        a->setText(QString::fromStdString(entry.caption).replace('&', "&&"));
        a->setEnabled(entry.enabled);
        a->setVisible(entry.visible);
        // Only a checked entry shows a mark; an unchecked one shows nothing.
        a->setCheckable(entry.checked);
        a->setChecked(entry.checked);
    }
    for (const ButtonRow& b : mainbuttons()) {
        const Button& state = *ed.button(b.name);
        QPushButton* button = buttons_.at(b.name);
        button->setVisible(state.visible);
        wincolour& shown = shownback_.at(b.name);
        if (shown != state.backcolor) {
            button->setStyleSheet(buttonstyle(state.backcolor));
            shown = state.backcolor;
        }
    }
    palette_->refresh();
    setWindowTitle(QString::fromStdString(ed.title()));
    for (const LabelRow& l : mainlabels()) showcaption(labels_.at(l.name), QString::fromStdString((ed.*l.label).caption));
    const bool fit = ed.zoomfit.checked;
    const int cells = fit ? fittingcells() : Canvas::unitpixels * ed.zoomfactor();
    if (cells != canvas_->cellpixels() || canvas_->sizeat(cells) != canvas_->size() || fit != fit_) {
        place(cells, fit);
        // For the next run; fitting the window is chosen again each time.
        if (!fit) QSettings("Grafipix", "grafipix").setValue("zoom", ed.zoomfactor());
    }
    canvas_->setscale(canvas_->cellpixels(), ed.grille.checked);
    canvas_->update();
}

namespace {

// The first local file among the dropped items; empty for none.
QString droppedfile(const QMimeData* data) {
    for (const QUrl& url : data ? data->urls() : QList<QUrl>())
        if (url.isLocalFile()) return url.toLocalFile();
    return {};
}

}  // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* e) {
    if (!droppedfile(e->mimeData()).isEmpty()) e->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* e) {
    const QString path = droppedfile(e->mimeData());
    if (path.isEmpty()) return;
    e->acceptProposedAction();
    // After the drop has ended: a message box inside it would hold the
    // program the file came from.
    QMetaObject::invokeMethod(
        this, [this, chosen = path.toStdString()] { app_.run(Event::open(chosen)); }, Qt::QueuedConnection);
}

void MainWindow::closeEvent(QCloseEvent* e) {
    e->accept();
    app_.run(Event::unload(Window::Main));
}

}  // namespace grafipix::ui
