// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu: selecting a panel slides the panel grid; hovering an entry describes it.
#include "ButtonLabel.h"
#include "MainForm.h"
#include "style.h"
#include "twips.h"

#include <QGroupBox>
#include <QLabel>

namespace {

constexpr int column(int k) {
    return k % 2;
}
constexpr int row(int k) {
    return k / 2;
}

const char* const menuDescriptions[] = {
    "Set the character and mode, and start playing.",
    "Include WAD files to add custom levels and characters.",
    "Set general options, like screen resolution and sound.",
    "Set multiplayer options as the host.",
};

} // namespace

void MainForm::lblMainMenu_Click(int Index) {
    // The green entry is the selected one: choosing it again changes nothing.
    if (lblMainMenu[Index]->backgroundColor() == selectionGreen) {
        return;
    }
    for (auto* entry : lblMainMenu) {
        entry->setBackgroundColor(unselectedWhite);
    }
    lblMainMenu[Index]->setBackgroundColor(selectionGreen);
    Image1->setPixmap(stashedPicture(Index));

    // 20 steps of 193 twips per column and 228 per row bring the chosen panel into view.
    const int dx = 193 * (column(CurPanel) - column(Index));
    const int dy = 228 * (row(CurPanel) - row(Index));

    for (auto* entry : lblMainMenu) {
        entry->setEnabled(false);
    }
    for (int step = 0; step < 20; ++step) {
        platform.pacer.step(10, [&] {
            for (auto* panel : GamePanel) {
                ui::moveTwips(panel, ui::twipsLeft(panel) + dx, ui::twipsTop(panel) + dy);
            }
        });
    }
    for (auto* entry : lblMainMenu) {
        entry->setEnabled(true);
    }
    CurPanel = static_cast<std::int16_t>(Index);
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
    lblDesc->setText(menuDescriptions[Index]);
}
