// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu: selecting a panel slides the panel grid; the pointer over an entry makes it bold
// and describes it, the window's background takes the bold away again.
#include "Animation.h"
#include "ButtonLabel.h"
#include "MainForm.h"
#include "accessibility.h"
#include "style.h"
#include "twips.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>

namespace {

constexpr int column(int k) {
    return k % 2;
}
constexpr int row(int k) {
    return k / 2;
}

} // namespace

void MainForm::lblMainMenu_Click(int Index) {
    // The green entry is the selected one: choosing it again changes nothing.
    if (lblMainMenu[Index]->backgroundColor() == selectionGreen) {
        return;
    }
    for (auto* entry : lblMainMenu) {
        entry->setBackgroundColor(unselectedWhite);
        entry->setChecked(entry == lblMainMenu[Index]);
    }
    lblMainMenu[Index]->setBackgroundColor(selectionGreen);
    Image1->setPixmap(stashedPicture(Index));

    // 20 steps of 193 twips per column and 228 per row bring the chosen panel into view.
    const int dx = 193 * (column(CurPanel) - column(Index));
    const int dy = 228 * (row(CurPanel) - row(Index));

    // The entries stay disabled until the slide is over, so no second slide starts on top of it.
    for (auto* entry : lblMainMenu) {
        entry->setEnabled(false);
    }
    // Panels out of view are hidden, so screen readers do not read them; all move through the slide.
    for (auto* panel : GamePanel) {
        panel->show();
    }
    auto* slide = new ui::Animation(platform.pacer, this);
    for (int step = 0; step < 20; ++step) {
        slide->addStep(10, [this, dx, dy] {
            for (auto* panel : GamePanel) {
                ui::moveTwips(panel, ui::twipsLeft(panel) + dx, ui::twipsTop(panel) + dy);
            }
        });
    }
    slide->onEnd([this, Index] {
        for (auto* entry : lblMainMenu) {
            entry->setEnabled(true);
        }
        CurPanel = static_cast<std::int16_t>(Index);
        for (int k = 0; k < 4; ++k) {
            GamePanel[k]->setVisible(k == Index);
        }
        keepFocusInView();
        ui::announce(this, GamePanel[Index]->title()); // the panel chosen is in view, keys work again
    });
    slide->start();
}

QPixmap MainForm::stashedPicture(int k) {
    static const char* const files[] = {":/pictures/menu-game.jpg", ":/pictures/menu-wads.jpg",
                                        ":/pictures/menu-options.jpg", ":/pictures/menu-network.jpg"};
    if (imgStashed[k]->pixmap().isNull()) {
        imgStashed[k]->setPixmap(ui::picture(QString::fromLatin1(files[k])));
    }
    return imgStashed[k]->pixmap();
}

void MainForm::lblMainMenu_MouseMove(int Index) {
    if (Index == -1) {
        MenuHover = -1; // forget the hovered entry; the fonts stay as they are
        return;
    }
    if (MenuHover != Index) {
        for (auto* entry : lblMainMenu) {
            entry->setBold(false);
        }
        lblMainMenu[Index]->setBold(true);
        MenuHover = static_cast<std::int16_t>(Index);
    }
    MenuBold = true;
    lblDesc->setText(lblMainMenu[Index]->accessibleDescription());
}

void MainForm::lblHelp_MouseMove() {
    lblHelp->setBold(true);
    lblDesc->setText(lblHelp->accessibleDescription());
}

void MainForm::Form_MouseMove() {
    describeNothing();
    if (MenuBold) {
        for (auto* entry : lblMainMenu) {
            entry->setBold(false);
        }
        MenuBold = false;
    }
    lblHelp->setBold(false);
    lblMainMenu_MouseMove(-1);
}

void MainForm::Label2_MouseMove() {
    Form_MouseMove();
}

void MainForm::mouseMoveEvent(QMouseEvent* event) {
    // Only movements over the window's own background arrive here: every control stops its own.
    Form_MouseMove();
    event->accept();
}
