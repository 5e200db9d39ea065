// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Creation, start-up state and close of the main window.
#include "MainForm.h"

#include "ButtonLabel.h"
#include "InputLock.h"
#include "LaunchOptions.h"
#include "frmColor.h"
#include "frmHelp.h"
#include "mouse.h"
#include "twips.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDropEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>

MainForm::MainForm(const ui::Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      platform(platform) {
    buildLayout();
    connectHandlers();
    Form_Load();
}

MainForm::~MainForm() {
    // The picker belongs to this window's life. The about window outlives it on screen; it is
    // only deleted here when the program ends, or when it was closed and awaits its deletion.
    delete colorPicker.data();
    delete aboutWindow.data();
}

void MainForm::Form_Load() {
    // The panel grid: panel k in column k mod 2 and row k div 2; only panel 0 is in view.
    for (int k = 0; k < 4; ++k) {
        ui::moveTwips(GamePanel[k], 120 + 3840 * (k % 2), 4560 * (k / 2));
    }
    // The multiplayer options wait below the Game panel's bottom edge.
    ui::moveTwips(ngOpt[1], ui::twipsLeft(ngOpt[1]), 4560);
    // Every control and field that reaches the game's line starts at the options' defaults.
    showOptions(launch::LaunchOptions{});
    // No menu entry is remembered as hovered; preferred team "None"; nothing described yet.
    lblMainMenu_MouseMove(-1);
    Combo2->setCurrentIndex(0);
    describeNothing();
}

void MainForm::Form_QueryUnload() {
    // The picker closes with the main window; the close itself is never refused.
    delete colorPicker.data();
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
    if (watched == lstWADFiles->viewport()) {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            drag->setAccepted(lstWADFiles_DragOver(drag->mimeData())); // refused: the "no entry" cursor
            if (drag->isAccepted()) {
                drag->setDropAction(Qt::CopyAction);
            }
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            lstWADFiles_DragDrop(drop->mimeData());
            drop->setDropAction(Qt::CopyAction);
            drop->accept();
            return true;
        }
        default:
            return QWidget::eventFilter(watched, event);
        }
    }
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
    for (int k = 0; k < 4; ++k) {
        ui::onPress(lblMainMenu[k], this, [this, k] { lblMainMenu_Click(k); });
        ui::onMouseMove(lblMainMenu[k], [this, k] { lblMainMenu_MouseMove(k); });
    }
    for (int k = 0; k < 2; ++k) {
        ui::onPress(spGameOpt[k], this, [this, k] { spGameOpt_Click(k); });
        ui::onMouseMove(spGameOpt[k], [this, k] { spGameOpt_MouseMove(k); });
        ui::onClick(frmMulti[k], [this, k] { frmMulti_Click(k); });
        ui::onMouseMove(frmMulti[k], [this, k] { frmMulti_MouseMove(k); });
        ui::onPress(Command3[k], this, [this, k] { Command3_Click(k); });
    }
    ui::onPress(lblIPMan, this, [this] { lblIPMan_Click(); });
    ui::onPress(lblColor, this, [this] { lblColor_Click(); });
    ui::onPress(Command1, this, [this] { Command1_Click(); });
    txtMaxPlayers->installEventFilter(this);
    lstWADFiles->viewport()->setAcceptDrops(true);
    lstWADFiles->viewport()->installEventFilter(this);
    ui::onPress(Command9, this, [this] { Command9_Click(); });
    ui::onPress(Command10, this, [this] { Command10_Click(); });
    ui::onPress(lblHelp, this, [this] { lblHelp_Click(); });
    ui::onPress(Image1, this, [this] { Image1_Click(); });
    connectDescriptions();

    runMenu = new QMenu(this);
    runMenu->setObjectName(QStringLiteral("runMenu"));
    runMenu->addAction(tr("Copy Command Line"), this, &MainForm::copyCommandLine);
    Command1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Command1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { runMenu->popup(Command1->mapToGlobal(pos)); });
}
