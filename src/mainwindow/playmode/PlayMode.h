// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The play mode on the Game panel: single player or multiplayer, the options of each, joining or
// hosting on the two cards, and the server address.
#pragma once

#include "LaunchOptions.h"

#include <QObject>
#include <QPointer>

#include <array>
#include <cstdint>
#include <string>

class QFrame;
class QGroupBox;
class QLineEdit;
class QWidget;

namespace ui {
class Animation;
class ButtonLabel;
class Dialogs;
class Pacer;
} // namespace ui

namespace playmode {

class PlayMode : public QObject {
    Q_OBJECT
    // The play mode and the server address reach the game; they are read and shown by name.
    Q_PROPERTY(launch::GameType txtGameType MEMBER txtGameType)
    Q_PROPERTY(std::string HostAddress MEMBER HostAddress)

public:
    // Places the mode buttons and the options of both modes on `gamePanel`, which a mode switch
    // locks; the address prompt and the max-players check ask `dialogs`.
    PlayMode(QWidget* gamePanel, ui::Dialogs& dialogs, ui::Pacer& pacer);

    // The player name box, on the multiplayer options.
    QLineEdit* playerName() const { return txtPlayerName; }

    // The pointer is over a panel's background: the modes lose their bold and the hovered one is
    // forgotten.
    void GamePanel_MouseMove();

signals:
    // Single player (false) or multiplayer (true) was chosen; the switch to it has begun.
    void modeChosen(bool multiplayer);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildSinglePlayerOptions();
    void buildMultiplayerOptions();
    void spGameOpt_Click(int Index);
    void spGameOpt_MouseMove(int Index);
    void frmMulti_Click(int Index);
    void lblIPMan_Click();
    void txtMaxPlayers_KeyPress(int KeyAscii);
    // Only the card behind invites a click: its description says so, the front card has none.
    void describeCards();

    QWidget* gamePanel;
    ui::Dialogs& dialogs;
    ui::Pacer& pacer;

    std::array<ui::ButtonLabel*, 2> spGameOpt{};
    std::array<QFrame*, 2> ngOpt{};
    std::array<QGroupBox*, 2> frmMulti{};
    ui::ButtonLabel* lblIPMan = nullptr;
    QLineEdit* txtPlayerName = nullptr;
    QLineEdit* txtMaxPlayers = nullptr;

    std::int16_t CurMode = 0;
    std::int16_t CurMultiType = 0;
    std::int16_t ModeHover = 0;
    bool ModeBold = false;
    launch::GameType txtGameType = launch::GameType::Single;
    launch::GameType txtMultiType = launch::GameType::Join; // the multiplayer kind last chosen
    std::string HostAddress;
    QPointer<ui::Animation> cardSwitch; // the Join/Host switch while it runs
};

} // namespace playmode
