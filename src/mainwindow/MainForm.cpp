// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Creation, start-up state and close of the main window.
#include "MainForm.h"

#include "Appearance.h"
#include "InputLock.h"
#include "accessibility.h"
#include "twips.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QToolButton>

MainForm::MainForm(const ui::Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      platform(platform) {
    buildLayout();
    connectHandlers();
    findHolders();
    Form_Load();
}

MainForm::~MainForm() = default;

void MainForm::Form_Load() {
    // The panel grid: panel k in column k mod 2 and row k div 2; only panel 0 is in view.
    for (int k = 0; k < 4; ++k) {
        ui::moveTwips(GamePanel[k], 120 + 3840 * (k % 2), 4560 * (k / 2));
    }
    // The multiplayer options wait below the Game panel's bottom edge.
    ui::moveTwips(ngOpt[1], ui::twipsLeft(ngOpt[1]), 4560);
    // What is out of view is hidden, so that screen readers read only what a player sees: the other
    // panels, the multiplayer options and what the Host card holds behind the Join card.
    for (int k = 1; k < 4; ++k) {
        GamePanel[k]->hide();
    }
    ngOpt[1]->hide();
    ui::showContents(frmMulti[1], false);
    describeCards();
    // Every control and field that reaches the game's line starts at the options' defaults.
    showOptions(launch::LaunchOptions{});
    // No menu entry is remembered as hovered; preferred team "None"; nothing described yet.
    lblMainMenu_MouseMove(-1);
    Combo2->setCurrentIndex(0);
    describeNothing();
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

bool MainForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtMaxPlayers && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        const QString text = key->text();
        if (enter || !text.isEmpty()) {
            txtMaxPlayers_KeyPress(enter ? 13 : text.front().unicode());
        }
        return false; // the key always reaches the box unchanged
    }
    return QWidget::eventFilter(watched, event);
}

void MainForm::connectHandlers() {
    ui::onPress(Command1, this, [this] { Command1_Click(); });
    txtMaxPlayers->installEventFilter(this);

    runMenu = new QMenu(this);
    runMenu->setObjectName(QStringLiteral("runMenu"));
    runMenu->addAction(tr("Copy Command Line"), this, &MainForm::copyCommandLine);
    Command1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Command1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { runMenu->popup(Command1->mapToGlobal(pos)); });
}
