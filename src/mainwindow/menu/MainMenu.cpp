// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu: selecting a panel slides the panel grid; the pointer over an entry makes it bold,
// the window's background takes the bold away again.
#include "MainMenu.h"

#include "Animation.h"
#include "ButtonLabel.h"
#include "DescriptionLine.h"
#include "accessibility.h"
#include "controls.h"
#include "focus.h"
#include "mouse.h"
#include "press.h"
#include "shapes.h"
#include "style.h"

#include <QGroupBox>
#include <QLabel>

namespace menu {

namespace {

constexpr int column(int k) {
    return k % 2;
}
constexpr int row(int k) {
    return k / 2;
}

} // namespace

// The menu box: outline, title across its top edge, four entries, About below, the menu picture.
MainMenu::MainMenu(QWidget* window, const std::array<QGroupBox*, 4>& panels, ui::Pacer& pacer)
    : QObject(window), window(window), GamePanel(panels), pacer(pacer) {
    using ui::ButtonLabel;
    using ui::place;
    place(new ui::OutlineShape, window, ui::indexed("Shape1", 1), {120, 360, 1935, 1575});
    auto* Label2 = place(ui::label(tr("MAIN MENU"), Qt::AlignCenter), window, QStringLiteral("Label2"),
                         {480, 240, 1215, 255});
    Label2->setAutoFillBackground(true); // interrupts the outline behind it
    ui::describe(Label2, {});
    ui::onMouseMove(Label2, [this] { Label2_MouseMove(); });
    const QString menuTooltips[] = {tr("Let's Play!"), tr("Like customizations?"), tr("Set options"),
                                    tr("Set multiplayer options (Host only)")};
    const QString menuDescriptions[] = {tr("Set the character and mode, and start playing."),
                                        tr("Include WAD files to add custom levels and characters."),
                                        tr("Set general options, like screen resolution and sound."),
                                        tr("Set multiplayer options as the host.")};
    for (int k = 0; k < 4; ++k) {
        lblMainMenu[k] = place(new ButtonLabel(GamePanel[k]->title()), window, ui::indexed("lblMainMenu", k),
                               {240, 480 + 360 * k, 1695, 255}, menuTooltips[k]);
        lblMainMenu[k]->setCheckable(true); // checked while selected, for screen readers
        ui::describe(lblMainMenu[k], menuDescriptions[k]);
        ui::onPress(lblMainMenu[k], this, [this, k] { lblMainMenu_Click(k); });
        ui::onMouseMove(lblMainMenu[k], [this, k] { lblMainMenu_MouseMove(k); });
    }
    lblMainMenu[0]->setBackgroundColor(ui::selectionGreen);
    lblMainMenu[0]->setChecked(true);
    lblHelp = place(new ButtonLabel(tr("About")), window, QStringLiteral("lblHelp"), {240, 2040, 1695, 255},
                    tr("About KLEMNet.exe"));
    ui::describe(
        lblHelp,
        tr("Click here to open the about dialog in case you're curious where this program comes from."));
    ui::onMouseMove(lblHelp, [this] { lblHelp_MouseMove(); });

    // Only the first menu picture is needed at start; the others are read when first shown.
    for (int k = 0; k < 4; ++k) {
        imgStashed[k] = place(new QLabel, window, ui::indexed("imgStashed", k), {0, 0, 1920, 3000});
        imgStashed[k]->hide();
    }
    Image1 = place(new ui::PictureButton, window, QStringLiteral("Image1"), {120, 2400, 1920, 3000},
                   tr("Don't mess, or you'll get burned!"));
    Image1->setAccessibleName(tr("Menu picture"));
    Image1->setPixmap(stashedPicture(0));
    ui::describe(Image1, tr("Please do not click the eye candy."));
    lblMainMenu_MouseMove(-1); // no entry is remembered as hovered
    Label2->raise();           // the title covers the first entry's top edge
}

QAbstractButton* MainMenu::aboutEntry() const {
    return lblHelp;
}

QAbstractButton* MainMenu::picture() const {
    return Image1;
}

void MainMenu::lblMainMenu_Click(int Index) {
    // The green entry is the selected one: choosing it again changes nothing.
    if (lblMainMenu[Index]->backgroundColor() == ui::selectionGreen) {
        return;
    }
    for (auto* entry : lblMainMenu) {
        entry->setBackgroundColor(ui::unselectedWhite);
        entry->setChecked(entry == lblMainMenu[Index]);
    }
    lblMainMenu[Index]->setBackgroundColor(ui::selectionGreen);
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
    auto* slide = new ui::Animation(pacer, this);
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
        ui::keepFocusInView(window);
        ui::announce(window, GamePanel[Index]->title()); // the panel chosen is in view, keys work again
    });
    slide->start();
}

QPixmap MainMenu::stashedPicture(int k) {
    static const char* const files[] = {":/pictures/menu-game.jpg", ":/pictures/menu-wads.jpg",
                                        ":/pictures/menu-options.jpg", ":/pictures/menu-network.jpg"};
    if (imgStashed[k]->pixmap().isNull()) {
        imgStashed[k]->setPixmap(ui::picture(QString::fromLatin1(files[k])));
    }
    return imgStashed[k]->pixmap();
}

void MainMenu::lblMainMenu_MouseMove(int Index) {
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
}

void MainMenu::lblHelp_MouseMove() {
    lblHelp->setBold(true);
}

void MainMenu::Form_MouseMove() {
    if (MenuBold) {
        for (auto* entry : lblMainMenu) {
            entry->setBold(false);
        }
        MenuBold = false;
    }
    lblHelp->setBold(false);
    lblMainMenu_MouseMove(-1);
}

void MainMenu::Label2_MouseMove() {
    Form_MouseMove();
}

} // namespace menu
