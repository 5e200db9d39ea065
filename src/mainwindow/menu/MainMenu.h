// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu: four entries that slide their panel into view, About, and the menu picture.
#pragma once

#include <QObject>
#include <QPixmap>

#include <array>
#include <cstdint>

class QAbstractButton;
class QGroupBox;
class QLabel;
class QWidget;

namespace ui {
class ButtonLabel;
class Pacer;
class PictureButton;
} // namespace ui

namespace menu {

class MainMenu : public QObject {
    Q_OBJECT
public:
    // Places the menu on `window`; entry k is named after panel k, and selecting it slides the
    // four panels until panel k is in view.
    MainMenu(QWidget* window, const std::array<QGroupBox*, 4>& panels, ui::Pacer& pacer);

    // About and the picture under the menu, whose clicks the about part answers.
    QAbstractButton* aboutEntry() const;
    QAbstractButton* picture() const;

    // The pointer is over the window's background: the entries and About lose their bold, and
    // the hovered entry is forgotten.
    void Form_MouseMove();

private:
    void lblMainMenu_Click(int Index);
    void lblMainMenu_MouseMove(int Index);
    void lblHelp_MouseMove();
    void Label2_MouseMove();
    // The picture of menu entry k, read from the program's pictures the first time it is needed.
    QPixmap stashedPicture(int k);

    QWidget* window;
    std::array<QGroupBox*, 4> GamePanel;
    ui::Pacer& pacer;

    std::array<ui::ButtonLabel*, 4> lblMainMenu{};
    ui::ButtonLabel* lblHelp = nullptr;
    std::array<QLabel*, 4> imgStashed{};
    ui::PictureButton* Image1 = nullptr;

    std::int16_t CurPanel = 0;
    std::int16_t MenuHover = 0;
    bool MenuBold = false;
};

} // namespace menu
