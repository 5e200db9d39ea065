// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The player's appearance on the Game panel: the character arrows and portrait, the player name
// that follows the character, and the colour field with its picker.
#pragma once

#include "LaunchOptions.h"

#include <QObject>
#include <QPointer>

#include <array>
#include <cstdint>
#include <string>

class QColor;
class QFrame;
class QLabel;
class QLineEdit;
class QToolButton;
class QWidget;
class frmColor;

namespace ui {
class ButtonLabel;
class Pacer;
} // namespace ui

namespace player {

class Appearance : public QObject {
    Q_OBJECT
    // The settings the game receives from here, for reading and showing them by name.
    Q_PROPERTY(launch::SkinTable Skins MEMBER Skins)
    Q_PROPERTY(std::uint8_t CharIndex MEMBER CharIndex)
    Q_PROPERTY(std::string lblColor2 MEMBER lblColor2 NOTIFY lblColor2Changed)

public:
    // Places the character and colour controls on `gamePanel`, which an arrow's slide locks.
    Appearance(QWidget* gamePanel, ui::Pacer& pacer);
    ~Appearance() override;

    // The player name box, which follows the character while it holds another character's name.
    void followName(QLineEdit* nameBox);
    // Single player or multiplayer was chosen: the colour field shows the character's own colour
    // again (the colour number stays), and opens the picker in multiplayer only.
    void modeChosen(bool multiplayer);
    // Closes the colour picker, if it is open.
    void closePicker();

signals:
    // The description line is to explain `control` now: the portrait, after the arrows chose a
    // character, describes that character.
    void explain(const QWidget* control);
    // The colour number was set through its property (the window shows its start value so).
    void lblColor2Changed();

private:
    void Command3_Click(int Index);
    void lblColor_Click();
    void colorPicked(int number, const QColor& color);
    // The colour number the game receives; the colour field's value names its colour.
    void setColorNumber(const std::string& number);
    // What screen readers call the character, and the colour of a colour number.
    static QString characterName(std::size_t index);
    static QString colorName(const std::string& number);

    QWidget* gamePanel;
    ui::Pacer& pacer;

    std::array<QToolButton*, 2> Command3{};
    QFrame* Picture2 = nullptr;
    QLabel* imgCharPic = nullptr;
    ui::ButtonLabel* lblColor = nullptr;
    QLineEdit* txtPlayerName = nullptr;

    launch::SkinTable Skins;
    std::uint8_t CharIndex = 0;
    std::string lblColor2; // the colour number
    bool multiplayer = false;
    QPointer<frmColor> colorPicker;
};

} // namespace player
