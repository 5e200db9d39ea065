// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window made of its parts: the menu, the panels' box, the description line and RUN!;
// its start-up state, close, the pointer over its background and the keyboard focus.
#include "MainForm.h"

#include "Appearance.h"
#include "DescriptionLine.h"
#include "Extras.h"
#include "MainMenu.h"
#include "PlayMode.h"
#include "accessibility.h"
#include "controls.h"
#include "focus.h"
#include "mouse.h"
#include "press.h"
#include "shapes.h"
#include "style.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QToolButton>

using ui::indexed;
using ui::place;

MainForm::MainForm(const Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      platform(platform) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(tr("Orbitron Launcher v. %1").arg(QStringLiteral(KLEM_VERSION)));
    setWindowIcon(ui::programIcon());
    setFixedSize(ui::toPixels(6210), ui::toPixels(5850));
    setMouseTracking(true);
    ui::describe(this, {}); // over the window's background nothing is selected

    // The viewport with the four panels, of which the menu slides one into view.
    auto* Picture1 = place(new QFrame, this, QStringLiteral("Picture1"), {2160, 120, 3975, 4455});
    Picture1->setFrameStyle(QFrame::NoFrame);
    ui::keepMouseMoves(Picture1);
    const QString captions[] = {tr("Game"), tr("WAD Files"), tr("Main Options"), tr("Network Options")};
    for (int k = 0; k < 4; ++k) {
        GamePanel[k] =
            place(new QGroupBox(captions[k]), Picture1, indexed("GamePanel", k), {120, 0, 3735, 4335});
        GamePanel[k]->setAutoFillBackground(true);
        ui::describe(GamePanel[k], {});
        ui::onMouseMove(GamePanel[k], [this] { playMode->GamePanel_MouseMove(); });
    }
    mainMenu = new menu::MainMenu(this, GamePanel, platform.pacer);
    new about::Extras(mainMenu->aboutEntry(), mainMenu->picture(), platform.dialogs, this);
    // Two connector lines join the menu box to the panels' box.
    place(new ui::LineShape, this, QStringLiteral("Line1"), {2040, 570, 120, 60});
    place(new ui::LineShape, this, QStringLiteral("Line2"), {2040, 1650, 120, 60});
    buildGamePanel();
    buildWadPanel();
    buildOptionsPanel();
    buildNetworkPanel();

    // RUN!, with a context menu that copies the line instead, and the description box.
    Command1 = place(ui::pictureButton(QStringLiteral(":/pictures/run.gif"), {54, 27}), this,
                     QStringLiteral("Command1"), {2160, 4800, 1215, 855}, tr("Toot toot Comet Warrior!"));
    Command1->setText(tr("RUN!"));
    Command1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    QFont runFont = ui::dialogFont();
    runFont.setItalic(true);
    runFont.setUnderline(true);
    Command1->setFont(runFont);
    ui::describe(
        Command1,
        tr("This button launches KLEM with the current settings...\r\nSo what's the holdup? Click it!!"));
    ui::onPress(Command1, this, [this] { Command1_Click(); });
    runMenu = new QMenu(this);
    runMenu->setObjectName(QStringLiteral("runMenu"));
    runMenu->addAction(tr("Copy Command Line"), this, &MainForm::copyCommandLine);
    Command1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Command1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { runMenu->popup(Command1->mapToGlobal(pos)); });
    place(new ui::OutlineShape, this, indexed("Shape1", 0), {3480, 4680, 2655, 1095});
    lblDesc = place(new ui::DescriptionLine(tr("Please select an option"), this), this,
                    QStringLiteral("lblDesc"), {3600, 4800, 2415, 855}, tr("As if you didn't notice..."));
    lblDesc->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblDesc->setWordWrap(true);
    ui::describe(lblDesc, tr("This box will display some info on the option you select."));
    connect(appearance, &player::Appearance::explain, lblDesc, &ui::DescriptionLine::explain);

    // The settings that reach the game: in the control of the row's name, or in these properties.
    settings.emplace(this, std::initializer_list<ui::SettingsBinding::Property>{
                               {"txtGameType", playMode},
                               {"HostAddress", playMode},
                               {"Skins", appearance},
                               {"CharIndex", appearance},
                               {"lblColor2", appearance},
                           });
    Form_Load();
}

MainForm::~MainForm() = default;

void MainForm::Form_Load() {
    // The panel grid: panel k in column k mod 2 and row k div 2; only panel 0 is in view. What is out
    // of view is hidden, so that screen readers read only what a player sees.
    for (int k = 0; k < 4; ++k) {
        ui::moveTwips(GamePanel[k], 120 + 3840 * (k % 2), 4560 * (k / 2));
        GamePanel[k]->setVisible(k == 0);
    }
    // Every control and field that reaches the game's line starts at the options' defaults.
    settings->show(launch::LaunchOptions{});
    lblDesc->explain(nullptr);
}

launch::LaunchOptions MainForm::launchOptions() const {
    return settings->read();
}

void MainForm::Form_QueryUnload() {
    // The picker closes with the main window; the close itself is never refused.
    appearance->closePicker();
}

void MainForm::closeEvent(QCloseEvent* event) {
    Form_QueryUnload();
    event->accept();
}

void MainForm::showEvent(QShowEvent* event) {
    if (!centredOnce) {
        centredOnce = true;
        if (const QScreen* s = screen()) {
            move(s->availableGeometry().center() - rect().center());
        }
    }
    QWidget::showEvent(event);
}

void MainForm::Form_MouseMove() {
    mainMenu->Form_MouseMove();
}

void MainForm::mouseMoveEvent(QMouseEvent* event) {
    // Only movements over the window's own background arrive here: every control stops its own.
    Form_MouseMove();
    event->accept();
}

bool MainForm::focusNextPrevChild(bool next) {
    QWidget* focused = ui::focusNextInView(this, next);
    if (focused == nullptr) {
        return false;
    }
    lblDesc->explain(focused); // the keyboard brought the focus there: the description line explains it
    return true;
}
